#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QMessageBox>
#include <QSize>
#include <QString>

// Widgets built in this process, offscreen, with the program's fonts and the
// same style, and drawn: what the program's widget must look like on the
// screen when it shows that text.
namespace Replica {

struct MessageBoxPicture {
    QSize size;
    // The icon and the text, above the button row: whether the button
    // carries an icon is the platform theme's choice, and this process
    // runs offscreen.
    QImage message;
};

MessageBoxPicture MessageBox(QMessageBox::Icon icon, const QString& text);
QImage Button(const QSize& size, const QFont& font, const QString& caption);
QImage Label(const QSize& size, const QFont& font, const QColor& colour, const QString& caption);

}  // namespace Replica

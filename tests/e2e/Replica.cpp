#include "Replica.h"

#include "platform/Platform.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>

namespace Replica {

MessageBoxPicture MessageBox(QMessageBox::Icon icon, const QString& text)
{
    QMessageBox box(icon, Platform::ApplicationTitle, text, QMessageBox::Ok);
    // A message box settles its size when it is shown.
    box.show();
    QApplication::processEvents();
    const int buttonsTop = box.findChild<QDialogButtonBox*>()->geometry().top();
    return {box.size(), box.grab(QRect(0, 0, box.width(), buttonsTop)).toImage()};
}

QImage Button(const QSize& size, const QFont& font, const QString& caption)
{
    QPushButton button(caption);
    button.setFont(font);
    button.resize(size);
    return button.grab().toImage();
}

QImage Label(const QSize& size, const QFont& font, const QColor& colour, const QString& caption)
{
    QLabel label(caption);
    label.setFont(font);
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, colour);
    label.setPalette(palette);
    label.resize(size);
    return label.grab().toImage();
}

}  // namespace Replica

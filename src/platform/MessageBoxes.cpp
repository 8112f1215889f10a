#include "platform/MessageBoxes.h"

#include "platform/Platform.h"

#include <QApplication>
#include <QMessageBox>

namespace {

void showModal(QMessageBox::Icon icon, const QString& text)
{
    QMessageBox box(icon, Platform::ApplicationTitle, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

}  // namespace

void QtMessageBoxes::Information(const QString& text) { showModal(QMessageBox::Information, text); }

void QtMessageBoxes::Plain(const QString& text) { showModal(QMessageBox::NoIcon, text); }

bool QtMessageBoxes::Question(const QString& text)
{
    QMessageBox box(QMessageBox::Question, Platform::ApplicationTitle, text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    // Saying no is the safe answer to a slip of the Return key.
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

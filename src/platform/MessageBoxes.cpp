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

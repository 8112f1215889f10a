#include "platform/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

namespace {

void showModal(QMessageBox::Icon icon, const QString& text)
{
    QMessageBox box(icon, Platform::ApplicationTitle, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

QtMessageBoxes g_qtMessageBoxes;
MessageBoxes* g_messages = &g_qtMessageBoxes;

}  // namespace

void QtMessageBoxes::Information(const QString& text) { showModal(QMessageBox::Information, text); }

void QtMessageBoxes::Plain(const QString& text) { showModal(QMessageBox::NoIcon, text); }

namespace Platform {
MessageBoxes& Messages() { return *g_messages; }
void SetMessages(MessageBoxes& messages) { g_messages = &messages; }
}  // namespace Platform

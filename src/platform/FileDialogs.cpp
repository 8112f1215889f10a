#include "platform/FileDialogs.h"

#include <QApplication>
#include <QFileDialog>

QString QtFileDialogs::SaveFileName(const QString& caption, const QString& suggested, const QString& filter)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, suggested, filter);
}

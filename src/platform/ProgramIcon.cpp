#include "platform/ProgramIcon.h"

#include <QGuiApplication>
#include <QIcon>

namespace ProgramIcon {

void Install()
{
    // Built in as a resource, so that the icon shows also where the program
    // runs uninstalled. Drawing it takes Qt's SVG plugins.
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/lingxi-shufang.svg")));
    QGuiApplication::setDesktopFileName(QStringLiteral("lingxi-shufang"));
}

}  // namespace ProgramIcon

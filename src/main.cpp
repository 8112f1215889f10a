#include "platform/DisplayGuard.h"
#include "shell/frmMain.h"
#include "platform/modsub.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    DisplayGuard displayGuard;
    QApplication application(argc, argv);
    displayGuard.Release();
    const auto mainWindow = modsub::Main();
    return QApplication::exec();
}

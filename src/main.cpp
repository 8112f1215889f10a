#include "shell/frmMain.h"
#include "shell/modsub.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (!modsub::DisplayAvailable()) {
        std::fputs("灵犀数坊是图形界面程序，但这台电脑没有可用的显示器（未设置 DISPLAY 或 WAYLAND_DISPLAY），程序无法启动。\n",
                   stderr);
        return 1;
    }
    QApplication application(argc, argv);
    const auto mainWindow = modsub::Main();
    return QApplication::exec();
}

#include "platform/DisplayGuard.h"

#include <QByteArrayView>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace {

QtMessageHandler g_previousHandler = nullptr;
bool g_guarding = false;

void explainMissingDisplay(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    // The only fatal error while the application starts is that no platform could be initialised.
    if (type == QtFatalMsg) {
        std::fputs((DisplayGuard::Explanation() + QLatin1Char('\n')).toUtf8().constData(), stderr);
        std::_Exit(1);
    }
    // The toolkit's own lines about the display it could not reach would only
    // repeat the explanation in English.
    if (context.category && QByteArrayView(context.category).startsWith("qt.qpa"))
        return;
    g_previousHandler(type, context, message);
}

}  // namespace

DisplayGuard::DisplayGuard()
{
    g_previousHandler = qInstallMessageHandler(explainMissingDisplay);
    g_guarding = true;
}

DisplayGuard::~DisplayGuard() { Release(); }

void DisplayGuard::Release()
{
    if (!g_guarding)
        return;
    qInstallMessageHandler(g_previousHandler);
    g_guarding = false;
}

QString DisplayGuard::Explanation()
{
    return QStringLiteral("灵犀数坊是图形界面程序，但连接不到可用的显示器（请检查 DISPLAY 或 WAYLAND_DISPLAY 的设置），"
                          "程序无法启动。");
}

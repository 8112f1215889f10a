#include "platform/WebBrowser.h"

#include "platform/MessageBoxes.h"
#include "platform/Platform.h"

#include <QProcess>

void DesktopBrowser::Open(const QString& address)
{
    // Not parented and never killed: a browser started through it must
    // outlive this program.
    auto* opener = new QProcess;
    QObject::connect(opener, &QProcess::finished, opener, [opener, address](int exitCode, QProcess::ExitStatus status) {
        opener->deleteLater();
        if (status != QProcess::NormalExit || exitCode != 0)
            Platform::Messages().Information(CouldNotOpenText(address));
    });
    QObject::connect(opener, &QProcess::errorOccurred, opener, [opener, address](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        opener->deleteLater();
        Platform::Messages().Information(CouldNotOpenText(address));
    });
    opener->start(QStringLiteral("xdg-open"), {address});
}

QString DesktopBrowser::CouldNotOpenText(const QString& address)
{
    return QStringLiteral("无法打开网页，请在浏览器中输入以下地址：\r\n") + address;
}

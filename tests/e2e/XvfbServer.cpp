#include "XvfbServer.h"

#include <QDeadlineTimer>

#include <csignal>

#include <sys/prctl.h>

namespace {

constexpr int ServerStartLimitMs = 15000;
constexpr int ServerStopLimitMs = 5000;

}  // namespace

XvfbServer::XvfbServer(const QSize& screen)
{
    // Should this test process die before its destructors run, the server goes with it.
    m_process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    const QString geometry = QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height());
    // -displayfd 1: the chosen display number arrives on standard output when the server is ready.
    m_process.start(QStringLiteral("Xvfb"),
        {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"), geometry,
            QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-dpi"), QStringLiteral("96")});
    if (m_process.waitForStarted(ServerStartLimitMs))
        readDisplayNumber();
    if (m_display.isEmpty())
        m_problem = QStringLiteral("Xvfb did not start: %1 %2")
                        .arg(m_process.errorString(), QString::fromLocal8Bit(m_process.readAllStandardError()));
}

XvfbServer::~XvfbServer()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(ServerStopLimitMs)) {
        m_process.kill();
        m_process.waitForFinished(ServerStopLimitMs);
    }
}

void XvfbServer::readDisplayNumber()
{
    QByteArray output;
    const QDeadlineTimer deadline(ServerStartLimitMs);
    while (!output.contains('\n') && !deadline.hasExpired() && m_process.state() == QProcess::Running) {
        m_process.waitForReadyRead(100);
        output += m_process.readAllStandardOutput();
    }
    bool isNumber = false;
    const int number = output.trimmed().toInt(&isNumber);
    if (output.contains('\n') && isNumber)
        m_display = QStringLiteral(":%1").arg(number);
}

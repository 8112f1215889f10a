#include "ServerProcess.h"

#include <QDeadlineTimer>

#include <csignal>

#include <sys/prctl.h>

namespace {

constexpr int ServerStopLimitMs = 5000;

}  // namespace

QString ServerProcess::Start(const QString& what, const QString& program, const QStringList& arguments, int limitMs,
                             const QProcessEnvironment& environment)
{
    m_process.setProcessEnvironment(environment);
    // Should this test process die before its destructors run, the server goes with it.
    m_process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_process.start(program, arguments);
    QByteArray output;
    if (m_process.waitForStarted(limitMs)) {
        const QDeadlineTimer deadline(limitMs);
        while (!output.contains('\n') && !deadline.hasExpired() && m_process.state() == QProcess::Running) {
            m_process.waitForReadyRead(100);
            output += m_process.readAllStandardOutput();
        }
    }
    if (output.contains('\n'))
        return QString::fromUtf8(output.trimmed());
    m_problem = QStringLiteral("%1 did not start: %2 %3")
                    .arg(what, m_process.errorString(), QString::fromLocal8Bit(m_process.readAllStandardError()));
    return {};
}

ServerProcess::~ServerProcess()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(ServerStopLimitMs)) {
        m_process.kill();
        m_process.waitForFinished(ServerStopLimitMs);
    }
}

#include "AccessibilityBus.h"

#include <QDeadlineTimer>
#include <QStandardPaths>

#include <csignal>

#include <sys/prctl.h>

namespace {

constexpr int BusStartLimitMs = 10000;
constexpr int BusStopLimitMs = 5000;
const QString Daemon = QStringLiteral("dbus-daemon");
// How the session bus starts the accessibility bus (Debian's at-spi2-core).
const QString LauncherService = QStringLiteral("dbus-1/services/org.a11y.Bus.service");

}  // namespace

AccessibilityBus::AccessibilityBus()
{
    if (!hasTools())
        return;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The accessibility bus keeps its socket in the runtime folder; without
    // a display it names no X server as the place to find it.
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_folder.path());
    environment.remove(QStringLiteral("DISPLAY"));
    m_process.setProcessEnvironment(environment);
    // Should this test process die before its destructors run, the bus goes with it.
    m_process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_process.start(Daemon,
        {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1"),
            QStringLiteral("--address=unix:dir=") + m_folder.path()});
    if (m_process.waitForStarted(BusStartLimitMs))
        readAddress();
    if (m_address.isEmpty())
        m_problem = QStringLiteral("the session bus did not start: %1 %2")
                        .arg(m_process.errorString(), QString::fromLocal8Bit(m_process.readAllStandardError()));
}

AccessibilityBus::~AccessibilityBus()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    // The accessibility bus and its registry end when they lose this bus.
    m_process.terminate();
    if (!m_process.waitForFinished(BusStopLimitMs)) {
        m_process.kill();
        m_process.waitForFinished(BusStopLimitMs);
    }
}

bool AccessibilityBus::hasTools()
{
    if (QStandardPaths::findExecutable(Daemon).isEmpty())
        m_problem = QStringLiteral("dbus-daemon is not installed (make deps installs it)");
    else if (QStandardPaths::locate(QStandardPaths::GenericDataLocation, LauncherService).isEmpty())
        m_problem = QStringLiteral("the AT-SPI bus (at-spi2-core) is not installed (make deps installs it)");
    else if (!m_folder.isValid())
        m_problem = QStringLiteral("no folder for the session bus: ") + m_folder.errorString();
    return m_problem.isEmpty();
}

void AccessibilityBus::Admit(QProcessEnvironment& environment) const
{
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_address);
    environment.remove(QStringLiteral("AT_SPI_BUS_ADDRESS"));
}

void AccessibilityBus::readAddress()
{
    QByteArray output;
    const QDeadlineTimer deadline(BusStartLimitMs);
    while (!output.contains('\n') && !deadline.hasExpired() && m_process.state() == QProcess::Running) {
        m_process.waitForReadyRead(100);
        output += m_process.readAllStandardOutput();
    }
    if (output.contains('\n'))
        m_address = QString::fromUtf8(output.trimmed());
}

#include "AccessibilityBus.h"

#include <QStandardPaths>

namespace {

constexpr int BusStartLimitMs = 10000;
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
    // When the bus goes, the accessibility bus and its registry end with it.
    m_address = m_bus.Start(QStringLiteral("the session bus"), Daemon,
                            {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1"),
                                QStringLiteral("--address=unix:dir=") + m_folder.path()},
                            BusStartLimitMs, environment);
    if (m_address.isEmpty())
        m_problem = m_bus.Problem();
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

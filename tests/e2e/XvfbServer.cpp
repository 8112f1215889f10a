#include "XvfbServer.h"

namespace {

constexpr int ServerStartLimitMs = 15000;

}  // namespace

XvfbServer::XvfbServer(const QSize& screen)
{
    const QString geometry = QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height());
    // -displayfd 1: the chosen display number arrives on standard output when the server is ready.
    const QString ready = m_server.Start(
        QStringLiteral("Xvfb"), QStringLiteral("Xvfb"),
        {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"), geometry,
            QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-dpi"), QStringLiteral("96")},
        ServerStartLimitMs);
    bool isNumber = false;
    const int number = ready.toInt(&isNumber);
    if (isNumber)
        m_display = QStringLiteral(":%1").arg(number);
    else if (!ready.isEmpty())
        m_problem = QStringLiteral("Xvfb reported no display number but ") + ready;
}

const QString& XvfbServer::Problem() const { return m_problem.isEmpty() ? m_server.Problem() : m_problem; }

#include "ActionLog.h"

#include <QDebug>

ActionLog::ActionLog(std::uint32_t seed, bool echo)
    : m_seed(seed)
    , m_echo(echo)
{
}

void ActionLog::record(int depth, const QString& what)
{
    const QString line = QStringLiteral("#%1 %2%3").arg(m_action).arg(QString(depth * 2, u' '), what);
    if (m_echo)
        qInfo().noquote() << line;
    m_recent.append(line);
    if (m_recent.size() > Kept)
        m_recent.removeFirst();
}

void ActionLog::fail(const QString& what)
{
    if (m_failure.isEmpty())
        m_failure = what;
}

QString ActionLog::headline() const
{
    return QStringLiteral("seed %1, action %2: %3").arg(m_seed).arg(m_action).arg(m_failure);
}

QString ActionLog::report() const
{
    return headline() + QStringLiteral("\nlast actions (indented: run inside a wait or a message box):\n")
        + m_recent.join(u'\n');
}

#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

// The last actions of a session and its first failure, so that a failure
// names the seed, the action and what led to it.
class ActionLog {
public:
    ActionLog(std::uint32_t seed, bool echo);

    void startAction(int number) { m_action = number; }
    void record(int depth, const QString& what);
    // Keeps the first failure only: later ones are usually its consequences.
    void fail(const QString& what);

    bool failed() const { return !m_failure.isEmpty(); }
    // The seed, the action and the failure, in one line.
    QString headline() const;
    // The headline and the actions that led to it.
    QString report() const;

private:
    static constexpr int Kept = 40;

    std::uint32_t m_seed;
    bool m_echo;
    int m_action = 0;
    QStringList m_recent;
    QString m_failure;
};

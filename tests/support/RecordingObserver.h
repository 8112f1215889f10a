#pragma once

#include "InstantWaiter.h"
#include "abacus/AbacusObserver.h"
#include "abacus/StepText.h"

#include <QStringList>

#include <string>
#include <vector>

// Keeps, as the status line would show them, the lines an abacus says, and
// how many waits had passed when each came.
class RecordingObserver final : public AbacusObserver {
public:
    explicit RecordingObserver(const InstantWaiter& waiter) : m_waiter(waiter) {}

    void RodStarts(const cAbacus&, const RodStep& step) override { keep(StepLine(step)); }
    void SumDone(const cAbacus&, const AbacusSum& sum) override { keep(SumLine(sum)); }
    void Detached(const cAbacus&) override { ++detached; }

    QStringList lines;
    std::vector<int> waitsBefore;
    int detached = 0;

private:
    void keep(const std::string& line)
    {
        lines << QString::fromStdString(line);
        waitsBefore.push_back(static_cast<int>(m_waiter.waits.size()));
    }

    const InstantWaiter& m_waiter;
};

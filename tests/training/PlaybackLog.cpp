#include "PlaybackLog.h"

#include "InstantWaiter.h"
#include "abacus/cAbacus.h"

#include <QStringList>

#include <cmath>

namespace {

constexpr int FrameMs = 50;
constexpr int PauseMs = 100;
constexpr int FramesPerRod = 20;

int digitOf(double value, int rod) { return static_cast<int>(std::fmod(std::floor(value / std::pow(10.0, 4 - rod)), 10)); }

}  // namespace

int ChangedRod(double before, double after)
{
    int changed = -1;
    for (int rod = 0; rod < 5; ++rod) {
        if (digitOf(before, rod) == digitOf(after, rod))
            continue;
        if (changed != -1)
            return -1;
        changed = rod;
    }
    return changed;
}

PlaybackLog::PlaybackLog(InstantWaiter& waiter, cAbacus& abacus)
{
    waiter.duringWait = [this, &waiter, &abacus](int wait) {
        m_waits.push_back({waiter.waits.back(), abacus.Value()});
        if (during)
            during(wait);
    };
}

QString PlaybackLog::rods(double afterLast) const
{
    QStringList parts;
    std::size_t i = 0;
    while (i < m_waits.size()) {
        const Wait& first = m_waits[i];
        if (first.milliseconds != FrameMs) {
            parts << (first.milliseconds == PauseMs ? QStringLiteral("|") : QStringLiteral("%1ms").arg(first.milliseconds));
            ++i;
            continue;
        }
        // A rod's frames all show the value before it moved; the next wait shows its new digit.
        std::size_t end = i;
        while (end < m_waits.size() && m_waits[end].milliseconds == FrameMs && m_waits[end].shown == first.shown)
            ++end;
        const double after = end < m_waits.size() ? m_waits[end].shown : afterLast;
        const int frames = static_cast<int>(end - i);
        const QString rod = QString::number(ChangedRod(first.shown, after));
        parts << (frames == FramesPerRod ? rod : QStringLiteral("%1x%2").arg(rod).arg(frames));
        i = end;
    }
    return parts.join(QLatin1Char(' '));
}

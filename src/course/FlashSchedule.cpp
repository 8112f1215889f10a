#include "course/FlashSchedule.h"

#include <cmath>

FlashSchedule::FlashSchedule(std::int64_t start, int count, double seconds)
    : m_first(start + ReadyMs)
    , m_periodMs(seconds * 1000 / (count - 1 + ShownShare))
{
    m_events.push_back({start, Ready});
    for (int k = 0; k < count; ++k) {
        m_events.push_back({AppearsAt(k), k});
        m_events.push_back({DisappearsAt(k), k == count - 1 ? Over : Blank});
    }
}

std::int64_t FlashSchedule::AppearsAt(int number) const { return fromFirst(number); }

std::int64_t FlashSchedule::DisappearsAt(int number) const { return fromFirst(number + ShownShare); }

std::int64_t FlashSchedule::fromFirst(double periods) const { return m_first + std::llround(periods * m_periodMs); }

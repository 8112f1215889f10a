#pragma once

#include <cstdint>
#include <vector>

// When each part of a flashed question shows, fixed when the question
// starts: the ready mark for a second, then with n numbers a period of
// seconds / (n - 0.3); number k appears at k periods and disappears 0.7 of a
// period later, so that the last one goes exactly `seconds` after the first
// came. Every time is computed from the start, never from the time before,
// so that nothing drifts. Times are milliseconds of the program's clock.
class FlashSchedule {
public:
    static constexpr int ReadyMs = 1000;
    static constexpr double ShownShare = 0.7;

    // What the screen shows from an event's time on.
    enum Showing : int { Ready = -1, Blank = -2, Over = -3 };
    struct Event {
        std::int64_t at;
        int showing;  // the index of a number, or one of Showing
    };

    FlashSchedule(std::int64_t start, int count, double seconds);

    double PeriodMs() const { return m_periodMs; }
    std::int64_t AppearsAt(int number) const;
    std::int64_t DisappearsAt(int number) const;
    // In order: the ready mark, then each number and the blank after it; the
    // last blank is Over.
    const std::vector<Event>& Events() const { return m_events; }

private:
    std::int64_t fromFirst(double periods) const;

    std::int64_t m_first;
    double m_periodMs;
    std::vector<Event> m_events;
};

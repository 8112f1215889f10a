#pragma once

#include "course/FlashSchedule.h"
#include "course/MentalQuestion.h"

#include <QObject>
#include <QTimer>

#include <cstddef>
#include <optional>

class FlashStage;

// Flashes one question on the stage by its schedule. The schedule is fixed
// from the program's clock when the question starts; a precise single-shot
// timer is aimed at each event's planned time, and each event is shown in
// its turn, so that a late timer delays one change but never skips or
// doubles a number.
class FlashPlayer : public QObject {
    Q_OBJECT

public:
    explicit FlashPlayer(FlashStage& stage);

    void Play(const MentalQuestion& question, double seconds);
    // Stops at once and leaves the stage as it is.
    void Stop();
    bool Playing() const { return m_schedule.has_value(); }
    // Shows the next event once the clock has reached it, then aims the
    // timer at the one after. The timer calls it; a test moving the clock by
    // hand calls it too.
    void Step();
    const std::optional<FlashSchedule>& Schedule() const { return m_schedule; }

signals:
    // The last number has gone, at this planned time of the program's clock.
    void finished(qint64 endedMs);

private:
    void show(const FlashSchedule::Event& event);
    void aim();

    FlashStage& m_stage;
    QTimer* m_timer;  // a child: onlookers find it by its name
    MentalQuestion m_question;
    std::optional<FlashSchedule> m_schedule;
    std::size_t m_next = 0;
};

#include "mental/FlashPlayer.h"

#include "mental/FlashStage.h"
#include "platform/Platform.h"

#include <algorithm>

namespace {

std::int64_t now() { return Platform::ProgramClock().MilliTicks(); }

}  // namespace

FlashPlayer::FlashPlayer(FlashStage& stage)
    : QObject(&stage)
    , m_stage(stage)
    , m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("player"));
    m_timer->setObjectName(QStringLiteral("timFlash"));
    m_timer->setSingleShot(true);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &FlashPlayer::Step);
}

void FlashPlayer::Play(const MentalQuestion& question, double seconds)
{
    m_question = question;
    m_schedule.emplace(now(), static_cast<int>(question.numbers.size()), seconds);
    m_next = 0;
    Step();
}

void FlashPlayer::Stop()
{
    m_timer->stop();
    m_schedule.reset();
}

void FlashPlayer::Step()
{
    if (!m_schedule)
        return;
    const std::int64_t time = now();
    const FlashSchedule::Event event = m_schedule->Events().at(m_next);
    if (event.at <= time) {
        ++m_next;
        show(event);
        if (event.showing == FlashSchedule::Over) {
            Stop();
            emit finished(event.at);
            return;
        }
    }
    aim();
}

void FlashPlayer::show(const FlashSchedule::Event& event)
{
    switch (event.showing) {
    case FlashSchedule::Ready:
        m_stage.ShowReady();
        break;
    case FlashSchedule::Blank:
    case FlashSchedule::Over:
        m_stage.ShowBlank();
        break;
    default:
        m_stage.ShowNumber(m_question.numbers.at(event.showing));
        break;
    }
}

// From the clock as it is after painting, so that the paint's own time is not added to the wait.
void FlashPlayer::aim()
{
    const std::int64_t wait = m_schedule->Events().at(m_next).at - now();
    m_timer->start(static_cast<int>(std::max<std::int64_t>(0, wait)));
}

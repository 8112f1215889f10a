// The single actions of a random session; the choosing and the nesting are in RandomSession.cpp.
#include "RandomSession.h"

#include "TestEnvironment.h"
#include "UserInput.h"
#include "abacus/ProgramWide.h"
#include "exercises/ExerciseWindow.h"
#include "platform/PictureBox.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <array>

namespace {

// Texts longer than this arrive by pasting.
constexpr int LongestTyped = 60;
// Heights (user units) of the beads at rest, of the beam, and of the places
// a bead moved to the beam takes.
constexpr std::array<float, 9> BeadHeights = {15, 25, 35, 45, 95, 70, 55, 60, 85};

template <typename Item>
const Item& any(std::mt19937& rng, const QList<Item>& items)
{
    return items.at(std::uniform_int_distribution<qsizetype>(0, items.size() - 1)(rng));
}

QString shortened(const QString& text)
{
    return text.size() <= 40 ? text : text.left(40) + QStringLiteral("…(%1 characters)").arg(text.size());
}

}  // namespace

bool RandomSession::clickPicture()
{
    const SessionWindows::Window* front = m_windows.Front();
    PictureBox* pic = front ? SessionWindows::Find<PictureBox>(*front, QStringLiteral("pic")) : nullptr;
    if (!pic)
        return false;
    const QPoint place = placeOnAbacus(*front);
    const bool hoverFirst = chance(0.7);
    const Qt::MouseButton button = chance(0.8) ? Qt::LeftButton : (chance(0.75) ? Qt::RightButton : Qt::MiddleButton);
    const Qt::KeyboardModifiers modifiers =
        chance(0.85) ? Qt::NoModifier : (chance(0.5) ? Qt::ShiftModifier : Qt::ControlModifier);
    record(QStringLiteral("%1 click pic at %2,%3%4 button %5")
               .arg(front->name)
               .arg(place.x())
               .arg(place.y())
               .arg(hoverFirst ? QStringLiteral(" (hovered)") : QString())
               .arg(button));
    if (hoverFirst)
        UserInput::Move(*pic, place);
    UserInput::ClickAt(*pic, place, button, modifiers);
    return true;
}

bool RandomSession::movePointer()
{
    const SessionWindows::Window* front = m_windows.Front();
    PictureBox* pic = front ? SessionWindows::Find<PictureBox>(*front, QStringLiteral("pic")) : nullptr;
    if (!pic)
        return false;
    const int moves = 1 + below(6);
    record(QStringLiteral("%1 move the pointer over pic %2 times").arg(front->name).arg(moves));
    for (int i = 0; i < moves; ++i)
        UserInput::Move(*pic, placeOnAbacus(*front));
    return true;
}

// Mostly near a rod and a bead, where a click can move beads; otherwise anywhere.
QPoint RandomSession::placeOnAbacus(const SessionWindows::Window& window)
{
    auto* pic = SessionWindows::Find<PictureBox>(window, QStringLiteral("pic"));
    if (chance(0.4))
        return {below(pic->width()), below(pic->height())};
    const double x = 30.0 * (1 + below(window.rods)) + std::normal_distribution<double>(0, 5)(m_rng);
    const double y = BeadHeights[static_cast<std::size_t>(below(static_cast<int>(BeadHeights.size())))]
        + std::uniform_real_distribution<double>(-6, 6)(m_rng);
    return pic->toWidget(QPointF(x, y)).toPoint();
}

bool RandomSession::typeText()
{
    const SessionWindows::Window* front = m_windows.Front();
    const QList<QLineEdit*> boxes = front ? SessionWindows::Reachable<QLineEdit>(*front) : QList<QLineEdit*>{};
    if (boxes.isEmpty())
        return false;
    QLineEdit* box = any(m_rng, boxes);
    const QString text = m_text.next();
    const int before = below(10);
    const bool enter = chance(0.1);
    record(QStringLiteral("%1 %2 into %3: \"%4\"%5")
               .arg(front->name, before < 5 ? QStringLiteral("replace text") : QStringLiteral("type"),
                    box->objectName(), shortened(text), enter ? QStringLiteral(" and Enter") : QString()));
    box->setFocus();
    if (before < 5)
        UserInput::Key(*box, Qt::Key_A, Qt::ControlModifier);
    else if (before < 7)
        UserInput::Key(*box, Qt::Key_Backspace);
    else if (before < 8)
        UserInput::Key(*box, Qt::Key_Home);
    if (text.size() > LongestTyped)
        UserInput::Paste(*box, text);
    else
        UserInput::Type(*box, text);
    if (enter)
        UserInput::Key(*box, Qt::Key_Return);
    return true;
}

// The lists take no typing: the keys move their selection.
bool RandomSession::listKey()
{
    const SessionWindows::Window* front = m_windows.Front();
    const QList<QComboBox*> lists = front ? SessionWindows::Reachable<QComboBox>(*front) : QList<QComboBox*>{};
    if (lists.isEmpty())
        return false;
    static const QList<Qt::Key> keys = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End, Qt::Key_PageDown};
    QComboBox* list = any(m_rng, lists);
    const Qt::Key key = any(m_rng, keys);
    record(QStringLiteral("%1 key %2 on %3").arg(front->name).arg(key).arg(list->objectName()));
    UserInput::Key(*list, key);
    return true;
}

bool RandomSession::closeFrame()
{
    const SessionWindows::Window* front = m_windows.Front();
    if (!front)
        return false;
    record(front->name + QStringLiteral(" close box"));
    front->window->Frame()->close();
    return true;
}

bool RandomSession::tickWindowTimer()
{
    QList<std::pair<QTimer*, QString>> running;
    for (const SessionWindows::Window& window : m_windows.All()) {
        auto* timer = SessionWindows::Find<QTimer>(window, QStringLiteral("Timer1"));
        if (timer && timer->isActive() && std::find(m_ticking.begin(), m_ticking.end(), timer) == m_ticking.end())
            running.append({timer, window.name});
    }
    if (running.isEmpty())
        return false;
    const auto& [timer, name] = any(m_rng, running);
    tick(*timer, name + QStringLiteral(" Timer1 tick"));
    return true;
}

bool RandomSession::tickNumberShow()
{
    QTimer* show = m_windows.NumberShow();
    if (!show->isActive() || std::find(m_ticking.begin(), m_ticking.end(), show) != m_ticking.end())
        return false;
    tick(*show, QStringLiteral("timShow tick"));
    return true;
}

// A timer is not ticked again while its own tick is still running, as the
// event loop does not re-enter a timer.
void RandomSession::tick(QTimer& timer, const QString& what)
{
    record(what);
    m_ticking.push_back(&timer);
    UserInput::Tick(timer);
    m_ticking.pop_back();
}

bool RandomSession::passTime()
{
    static const QList<int> steps = {0, 1, 1, 2, 3, 4, 5, 6, 10, 30, 59, 60, 61, 3600};
    const int seconds = any(m_rng, steps);
    record(QStringLiteral("%1 seconds pass").arg(seconds));
    m_env.clock.advanceSeconds(seconds);
    return true;
}

bool RandomSession::toggleColours()
{
    ProgramWide::ColorfulBeads = !ProgramWide::ColorfulBeads;
    record(QStringLiteral("random bead colours %1").arg(ProgramWide::ColorfulBeads ? "on" : "off"));
    return true;
}

bool RandomSession::clickStartupPicture()
{
    QWidget* picture = m_windows.StartupPicture();
    if (!m_windows.StartupPictureShown())
        return false;
    const QPoint place(below(picture->width()), below(picture->height()));
    record(QStringLiteral("click the start-up picture"));
    UserInput::ClickAt(*picture, place, Qt::LeftButton, Qt::NoModifier);
    return true;
}

bool RandomSession::pressFinishingButton()
{
    const SessionWindows::Window* front = m_windows.Front();
    if (!front)
        return false;
    if (m_windows.IsTrain02(*front))
        return clickButton(QStringLiteral("cmdOk2"));
    if (m_windows.IsShow9(*front))
        return clickButton(chance(0.5) ? QStringLiteral("cmdOk2") : QStringLiteral("cmdOk"));
    return false;
}

bool RandomSession::tickTimersOnly()
{
    const int pick = below(10);
    if (pick < 6 && tickWindowTimer())
        return true;
    if (pick < 8 && tickNumberShow())
        return true;
    return passTime();
}

#include "exercises/AbacusKeys.h"

#include "abacus/cAbacus.h"
#include "platform/PictureBox.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include <algorithm>

AbacusKeys::AbacusKeys(PictureBox& picture, cAbacus& abacus)
    : QObject(&picture)
    , m_picture(picture)
    , m_abacus(abacus)
{
    picture.installEventFilter(this);
}

int AbacusKeys::ChosenRod() const { return m_abacus.Cols() - 1 - std::min(m_place, m_abacus.Cols() - 1); }

bool AbacusKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &m_picture)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        return press(static_cast<QKeyEvent*>(event)->key());
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            showMark(true);
        return false;
    }
    case QEvent::FocusOut:
        showMark(false);
        return false;
    default:
        return false;
    }
}

bool AbacusKeys::press(int key)
{
    // As a click does: a rod whose digit lies outside 0 to 9 stays as it is.
    const int digit = m_abacus.Column(ChosenRod()).StoredDigit();
    const bool changeable = digit >= 0 && digit <= 9;
    switch (key) {
    case Qt::Key_Left:
        m_place = m_abacus.Cols() - 1 - std::max(ChosenRod() - 1, 0);
        break;
    case Qt::Key_Right:
        m_place = m_abacus.Cols() - 1 - std::min(ChosenRod() + 1, m_abacus.Cols() - 1);
        break;
    case Qt::Key_Up:
        if (changeable)
            setChosenDigit(std::min(digit + 1, 9));
        break;
    case Qt::Key_Down:
        if (changeable)
            setChosenDigit(std::max(digit - 1, 0));
        break;
    default:
        if (key < Qt::Key_0 || key > Qt::Key_9)
            return false;
        if (changeable)
            setChosenDigit(key - Qt::Key_0);
        break;
    }
    showMark(true);
    return true;
}

void AbacusKeys::setChosenDigit(int digit) { m_abacus.SetRodDigit(ChosenRod(), static_cast<std::int16_t>(digit)); }

void AbacusKeys::showMark(bool shown)
{
    if (!shown) {
        m_picture.SetFocusMark({});
        return;
    }
    const cAbacus::Area area = m_abacus.RodArea(ChosenRod());
    m_picture.SetFocusMark(QRectF(QPointF(area.left, area.top), QPointF(area.right, area.bottom)));
}

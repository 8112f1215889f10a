#include "platform/DesignScale.h"

#include "platform/PictureBox.h"

#include <QFrame>
#include <QLabel>
#include <QWidget>

#include <algorithm>

namespace {

// Each edge on its own, so that controls that touch at the design touch at every factor.
QRect scaled(const QRect& place, double factor, QPoint origin)
{
    const int left = qRound(place.left() * factor);
    const int top = qRound(place.top() * factor);
    const int right = qRound((place.right() + 1) * factor);
    const int bottom = qRound((place.bottom() + 1) * factor);
    return QRect(left, top, right - left, bottom - top).translated(origin);
}

QFont sized(QFont font, double pointSize)
{
    font.setPointSizeF(pointSize);
    return font;
}

int lineWidthOf(const QWidget& widget)
{
    const auto* frame = qobject_cast<const QFrame*>(&widget);
    const bool line = frame && (frame->frameShape() == QFrame::HLine || frame->frameShape() == QFrame::VLine);
    return line ? frame->lineWidth() : 0;
}

}  // namespace

void DesignScale::Record(QWidget& canvas, QSize designedClientSize)
{
    m_canvas = &canvas;
    m_canvasPointSize = canvas.font().pointSizeF();
    m_controls.clear();
    m_beyond = QRect();
    const QRect area(QPoint(0, 0), designedClientSize);
    recordChildren(canvas, &area);
    QRect box;
    for (const Control& control : m_controls) {
        if (control.widget->parentWidget() == &canvas && !control.beyond && !control.widget->isHidden())
            box |= control.place;
    }
    m_box = QSize(box.right() + 1, box.bottom() + 1);
}

// Only the canvas's own children can lie beyond the area: any other control
// goes with the one that holds it.
void DesignScale::recordChildren(QWidget& parent, const QRect* area)
{
    for (QWidget* child : parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        const bool beyond = area && !area->contains(child->geometry());
        // Controls beyond the area keep their size of text, whatever the canvas's becomes.
        const bool ownFont = beyond || child->testAttribute(Qt::WA_SetFont);
        m_controls.push_back(
            {child, child->geometry(), ownFont ? child->font().pointSizeF() : 0, lineWidthOf(*child), beyond});
        if (beyond)
            m_beyond |= child->geometry();
        recordChildren(*child, nullptr);
    }
}

int DesignScale::shiftBeyond(double factor, QPoint origin) const
{
    if (m_beyond.isEmpty())
        return 0;
    return std::max(0, origin.x() + qRound(m_box.width() * factor) - m_beyond.left());
}

QSize DesignScale::CanvasSize(double factor, QPoint origin, QSize least) const
{
    const QRect all = QRect(QPoint(0, 0), least) | scaled(QRect(QPoint(0, 0), m_box), factor, origin)
        | m_beyond.translated(shiftBeyond(factor, origin), 0);
    return QSize(all.right() + 1, all.bottom() + 1);
}

void DesignScale::Apply(double factor, QPoint origin, QSize least)
{
    if (!m_canvas)
        return;
    m_canvas->setFixedSize(CanvasSize(factor, origin, least));
    // First the canvas, whose font the others take: a label's room depends on its font.
    m_canvas->setFont(sized(m_canvas->font(), m_canvasPointSize * factor));
    const int shift = shiftBeyond(factor, origin);
    for (const Control& control : m_controls) {
        if (control.widget)
            place(control, factor, origin, shift);
    }
}

void DesignScale::place(const Control& control, double factor, QPoint origin, int shift) const
{
    QWidget& widget = *control.widget;
    if (control.beyond) {
        widget.setFont(sized(widget.font(), control.pointSize));
        widget.move(control.place.topLeft() + QPoint(shift, 0));
        return;
    }
    if (control.pointSize > 0)
        widget.setFont(sized(widget.font(), control.pointSize * factor));
    if (control.lineWidth > 0)
        static_cast<QFrame&>(widget).setLineWidth(std::max(1, qRound(control.lineWidth * factor)));
    if (auto* picture = qobject_cast<PictureBox*>(&widget))
        picture->SetZoom(factor);
    QRect geometry = scaled(control.place, factor, widget.parentWidget() == m_canvas ? origin : QPoint());
    // A label shows its whole caption, as it does at the designed size.
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        geometry.setSize(geometry.size().expandedTo(label->sizeHint()));
    widget.setGeometry(geometry);
}

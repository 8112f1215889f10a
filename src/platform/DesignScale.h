#pragma once

#include <QPointer>
#include <QRect>
#include <QSize>

#include <vector>

class QWidget;

// The controls of a designed canvas as they stand at their designed size,
// and how they stand at another. Everything placed within the designed
// client area grows or shrinks by one factor, with its fonts and the lines of
// the abacus, so that nothing moves relative to anything else. Controls placed
// beyond that area keep their size and place, moving right only as far as
// the enlarged ones would otherwise cover them.
class DesignScale {
public:
    // Notes where every control of the canvas stands and the font it has.
    void Record(QWidget& canvas, QSize designedClientSize);
    bool IsRecorded() const { return !m_canvas.isNull(); }
    // From the canvas's top left to the far edges of the shown controls within
    // the designed area: what must fit the workspace.
    QSize Box() const { return m_box; }
    // The canvas that holds everything at `factor` with the box's top left at
    // `origin`, and is at least `least`.
    QSize CanvasSize(double factor, QPoint origin, QSize least) const;
    void Apply(double factor, QPoint origin, QSize least);

private:
    struct Control {
        QPointer<QWidget> widget;
        QRect place;
        // Zero where the control takes its parent's font.
        double pointSize;
        // The thickness of a drawn line, zero for other controls.
        int lineWidth;
        bool beyond;
    };

    void recordChildren(QWidget& parent, const QRect* area);
    void place(const Control& control, double factor, QPoint origin, int shift) const;
    int shiftBeyond(double factor, QPoint origin) const;

    QPointer<QWidget> m_canvas;
    double m_canvasPointSize = 0;
    std::vector<Control> m_controls;
    QSize m_box;
    // Around the controls beyond the designed area; empty when there are none.
    QRect m_beyond;
};

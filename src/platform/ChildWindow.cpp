#include "platform/ChildWindow.h"

#include "platform/WorkspaceFit.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRect>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

namespace {

// The largest factor at which `box` fits `room` when enlarging, and otherwise
// that or 1, whichever is smaller; half size at least, below which no text
// could be read and the window scrolls instead.
double fitFactor(QSize box, QSize room, bool enlarging)
{
    constexpr double Smallest = 0.5;
    if (box.isEmpty())
        return 1;
    const double fits = std::min(static_cast<double>(room.width()) / box.width(),
                                 static_cast<double>(room.height()) / box.height());
    return std::max(Smallest, enlarging ? fits : std::min(1.0, fits));
}

}  // namespace

void ChildWindow::Show(QMdiArea& workspace)
{
    if (!IsLoaded())
        load(workspace);
    workspace.setActiveSubWindow(m_frame);
    m_frame->showMaximized();
    m_frame->raise();
    Fit();
}

void ChildWindow::Unload()
{
    if (m_frame)
        m_frame->close();
}

void ChildWindow::load(QMdiArea& workspace)
{
    // Controls placed beyond the window stay reachable: the content scrolls.
    auto* scroller = new QScrollArea;
    scroller->setFrameShape(QFrame::NoFrame);
    // The scroller is no control of the design: it takes neither the focus nor a Tab stop.
    scroller->setFocusPolicy(Qt::NoFocus);
    auto* canvas = new QWidget;
    const QSize designed = DesignedClientSize();
    // A window laid out by Qt's layouts fills its frame.
    scroller->setWidgetResizable(!designed.isValid());
    scroller->setWidget(canvas);
    m_canvas = canvas;
    CreateControls(*canvas);
    m_factor = 1;
    m_origin = QPoint();
    m_least = designed;
    if (designed.isValid()) {
        m_scale.Record(*canvas, designed);
        // The canvas reaches the controls placed beyond the designed area.
        m_scale.Apply(m_factor, m_origin, m_least);
    }

    m_scroller = scroller;
    scroller->installEventFilter(this);
    m_frame = workspace.addSubWindow(scroller);
    m_frame->setAttribute(Qt::WA_DeleteOnClose);
    m_frame->setWindowTitle(Caption());
    m_frame->installEventFilter(this);
    ++m_loadGeneration;
    Form_Load();
}

void ChildWindow::SetTabOrder(std::initializer_list<QWidget*> order)
{
    QWidget* previous = nullptr;
    for (QWidget* control : order) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
    // The window is not shown yet: the control takes the focus when it first is.
    if (order.size() > 0)
        (*order.begin())->setFocus();
}

bool ChildWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_frame && event->type() == QEvent::Close)
        releaseWidgets();
    else if (watched == m_scroller && event->type() == QEvent::Resize)
        fitSoon();
    return QObject::eventFilter(watched, event);
}

void ChildWindow::releaseWidgets()
{
    ++m_loadGeneration;
    Form_Unload();
    // The frame deletes itself once closed; from now on the window counts as unloaded.
    m_frame->removeEventFilter(this);
    m_frame = nullptr;
    m_canvas = nullptr;
    m_scroller = nullptr;
    m_fitPending = false;
}

// Once the main window has settled its own parts, which may change with its
// size too, and once for a burst of resizes.
void ChildWindow::fitSoon()
{
    if (m_fitPending)
        return;
    m_fitPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_fitPending)
                Fit();
        },
        Qt::QueuedConnection);
}

// The workspace shows one window at a time, maximised: the others, put back
// to a normal size behind it, wait until they are shown again.
void ChildWindow::Fit()
{
    m_fitPending = false;
    if (!IsLoaded() || !m_scale.IsRecorded() || !m_frame->isMaximized() || !m_scroller->isVisible())
        return;
    const bool enlarging = WorkspaceFit::Enlarging();
    const double fillingTheViewport = fitFactor(m_scale.Box(), m_scroller->maximumViewportSize(), enlarging);
    ScaleTo(fitFactor(m_scale.Box(), room(fillingTheViewport), enlarging));
}

void ChildWindow::ScaleTo(double factor)
{
    if (!IsLoaded() || !m_scale.IsRecorded())
        return;
    const QSize space = room(factor);
    const QPoint origin = originIn(space, factor);
    const QSize least = leastIn(space, factor);
    if (factor != m_factor || origin != m_origin || least != m_least) {
        m_factor = factor;
        m_origin = origin;
        m_least = least;
        m_scale.Apply(factor, origin, least);
    }
    // A scroll bar, once shown, would otherwise stay for a canvas that fits
    // the room only without it.
    const QSize canvas = m_canvas->size();
    m_scroller->setHorizontalScrollBarPolicy(canvas.width() > space.width() ? Qt::ScrollBarAsNeeded
                                                                            : Qt::ScrollBarAlwaysOff);
    m_scroller->setVerticalScrollBarPolicy(canvas.height() > space.height() ? Qt::ScrollBarAsNeeded
                                                                            : Qt::ScrollBarAlwaysOff);
}

// Centred while enlarged; in the top left corner, as designed, otherwise.
QPoint ChildWindow::originIn(QSize space, double factor) const
{
    if (!WorkspaceFit::Enlarging())
        return QPoint();
    const QSize box = m_scale.Box() * factor;
    return QPoint(std::max(0, (space.width() - box.width()) / 2), std::max(0, (space.height() - box.height()) / 2));
}

QSize ChildWindow::leastIn(QSize space, double factor) const
{
    return WorkspaceFit::Enlarging() ? space : factor == 1 ? DesignedClientSize() : QSize();
}

// The bar is left out wherever the canvas at this factor is wider than the
// viewport: enlarged on a wide screen, the controls beyond the design may reach past it.
QSize ChildWindow::room(double factor) const
{
    QSize room = m_scroller->maximumViewportSize();
    if (m_scale.CanvasSize(factor, originIn(room, factor), leastIn(room, factor)).width() > room.width())
        room.rheight() -= m_scroller->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr,
                                                           m_scroller->horizontalScrollBar());
    return room;
}

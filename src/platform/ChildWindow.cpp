#include "platform/ChildWindow.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRect>
#include <QScrollArea>

void ChildWindow::Show(QMdiArea& workspace)
{
    if (!IsLoaded())
        load(workspace);
    workspace.setActiveSubWindow(m_frame);
    m_frame->showMaximized();
    m_frame->raise();
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
    if (designed.isValid())
        canvas->setFixedSize(designed);
    else
        scroller->setWidgetResizable(true);
    scroller->setWidget(canvas);
    m_canvas = canvas;
    CreateControls(*canvas);

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
}

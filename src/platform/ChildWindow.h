#pragma once

#include "platform/DesignScale.h"

#include <QMdiSubWindow>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>

#include <initializer_list>

class QMdiArea;
class QScrollArea;
class QWidget;

// A child window of the main window. The object lives for the whole run and
// keeps its fields; its widgets are built when it is loaded (first showing,
// or showing after it was closed) and released when it closes.
//
// A window whose controls stand at designed places (a canvas without a
// layout) is shown at the size its workspace allows, by one factor for all
// of it: see DesignScale. Enlarged to fill the workspace, centred, while
// WorkspaceFit says so; else at its designed size in the top left corner,
// or smaller where that does not fit.
class ChildWindow : public QObject {
    Q_OBJECT

public:
    // Loads the window if needed, then brings it to the front maximised.
    void Show(QMdiArea& workspace);
    // Closes the window and releases its widgets.
    void Unload();
    bool IsLoaded() const { return !m_frame.isNull(); }
    // Changes at every load and unload. A routine that waited (an animation,
    // a message box) compares it to learn whether its widgets still stand.
    unsigned LoadGeneration() const { return m_loadGeneration; }
    QWidget* Canvas() const { return m_canvas; }
    QMdiSubWindow* Frame() const { return m_frame; }
    // The canvas of controls placed at designed places. An empty size for a
    // window laid out by Qt's layouts: its canvas then fills the frame, and
    // scrolls only where the frame is smaller than the layout needs.
    virtual QSize DesignedClientSize() const = 0;

    // Takes the size the workspace allows now; the window follows its
    // workspace's size by itself.
    void Fit();
    // Shows the designed controls `factor` times their designed size.
    void ScaleTo(double factor);
    double Factor() const { return m_factor; }

protected:
    virtual QString Caption() const = 0;
    // Builds the widgets in their designed state on a canvas of the designed size.
    virtual void CreateControls(QWidget& canvas) = 0;
    virtual void Form_Load() = 0;
    // The widgets are about to go: stop whatever still refers to them.
    virtual void Form_Unload() = 0;

    bool eventFilter(QObject* watched, QEvent* event) override;

    // Chains the controls in this Tab order; the first has the focus when the window opens.
    static void SetTabOrder(std::initializer_list<QWidget*> order);

private:
    void load(QMdiArea& workspace);
    void releaseWidgets();
    void fitSoon();
    // Where the canvas is shown at this factor, less the scroll bar that controls beyond it bring.
    QSize room(double factor) const;
    QPoint originIn(QSize space, double factor) const;
    QSize leastIn(QSize space, double factor) const;

    QPointer<QMdiSubWindow> m_frame;
    QPointer<QScrollArea> m_scroller;
    QPointer<QWidget> m_canvas;
    unsigned m_loadGeneration = 0;
    DesignScale m_scale;
    double m_factor = 1;
    QPoint m_origin;
    QSize m_least;
    bool m_fitPending = false;
};

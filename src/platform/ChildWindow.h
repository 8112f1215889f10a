#pragma once

#include <QMdiSubWindow>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>

#include <initializer_list>

class QMdiArea;
class QWidget;

// A child window of the main window. The object lives for the whole run and
// keeps its fields; its widgets are built when it is loaded (first showing,
// or showing after it was closed) and released when it closes.
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

protected:
    virtual QString Caption() const = 0;
    // An empty size for a window laid out by Qt's layouts: its canvas then
    // fills the frame, and scrolls only where the frame is smaller than the
    // layout needs.
    virtual QSize DesignedClientSize() const = 0;
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

    QPointer<QMdiSubWindow> m_frame;
    QPointer<QWidget> m_canvas;
    unsigned m_loadGeneration = 0;
};

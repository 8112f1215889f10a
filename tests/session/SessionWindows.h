#pragma once

#include <QList>
#include <QString>
#include <QWidget>

#include <vector>

class ExerciseWindow;
class frmMain;
class frmShow9;
class frmTrain02;
class QTimer;

// The main window and its four exercise windows as a user meets them: the
// window in front is the only one whose controls can be reached, and none
// can while the start-up picture covers the workspace.
class SessionWindows {
public:
    struct Window {
        ExerciseWindow* window;
        QString name;
        int rods;
    };

    explicit SessionWindows(frmMain& main);

    frmMain& Main() const { return m_main; }
    const std::vector<Window>& All() const { return m_windows; }
    const Window* Front() const;
    bool IsShow9(const Window& window) const;
    bool IsTrain02(const Window& window) const;
    frmShow9& Show9() const;
    frmTrain02& Train02() const;

    QWidget* StartupPicture() const;
    bool StartupPictureShown() const;
    QTimer* NumberShow() const;

    // The window's widgets stand on this; null while it is closed.
    static QWidget* CanvasOf(const Window& window);
    template <typename Widget>
    static Widget* Find(const Window& window, const QString& name)
    {
        QWidget* canvas = CanvasOf(window);
        return canvas ? canvas->findChild<Widget*>(name) : nullptr;
    }
    template <typename Widget>
    static QList<Widget*> All(const Window& window)
    {
        QWidget* canvas = CanvasOf(window);
        return canvas ? canvas->findChildren<Widget*>() : QList<Widget*>{};
    }
    // The controls of a window a user can operate: shown and enabled.
    template <typename Widget>
    static QList<Widget*> Reachable(const Window& window)
    {
        QList<Widget*> widgets = All<Widget>(window);
        widgets.removeIf([](Widget* w) { return !w->isVisible() || !w->isEnabled(); });
        return widgets;
    }

private:
    frmMain& m_main;
    std::vector<Window> m_windows;
};

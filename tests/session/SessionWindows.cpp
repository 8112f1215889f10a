#include "SessionWindows.h"

#include "demo/frmShow9.h"
#include "exercises/frmTrain01.h"
#include "exercises/frmTrain03.h"
#include "shell/frmMain.h"
#include "training/frmTrain02.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

SessionWindows::SessionWindows(frmMain& main)
    : m_main(main)
{
    // Asking for the windows creates their objects, as the first menu command
    // would; none of them is loaded until a menu command shows it.
    m_windows = {
        {&main.Train01(), QStringLiteral("frmTrain01"), 5},
        {&main.Train03(), QStringLiteral("frmTrain03"), 4},
        {&main.Train02(), QStringLiteral("frmTrain02"), 5},
        {&main.Show9(), QStringLiteral("frmShow9"), 10},
    };
}

const SessionWindows::Window* SessionWindows::Front() const
{
    if (StartupPictureShown())
        return nullptr;
    const QList<QMdiSubWindow*> stack = m_main.Workspace().subWindowList(QMdiArea::StackingOrder);
    for (auto frame = stack.crbegin(); frame != stack.crend(); ++frame) {
        if ((*frame)->isHidden())
            continue;
        for (const Window& window : m_windows) {
            if (window.window->IsLoaded() && window.window->Frame() == *frame)
                return &window;
        }
    }
    return nullptr;
}

QWidget* SessionWindows::CanvasOf(const Window& window) { return window.window->Canvas(); }

bool SessionWindows::IsShow9(const Window& window) const { return window.window == &m_main.Show9(); }

bool SessionWindows::IsTrain02(const Window& window) const { return window.window == &m_main.Train02(); }

frmShow9& SessionWindows::Show9() const { return m_main.Show9(); }

frmTrain02& SessionWindows::Train02() const { return m_main.Train02(); }

QWidget* SessionWindows::StartupPicture() const
{
    // The picture lies beside the workspace, above the child windows.
    return m_main.Workspace().parentWidget()->findChild<QWidget*>(QStringLiteral("pic"), Qt::FindDirectChildrenOnly);
}

bool SessionWindows::StartupPictureShown() const
{
    const QWidget* picture = StartupPicture();
    return picture && !picture->isHidden();
}

QTimer* SessionWindows::NumberShow() const { return m_main.findChild<QTimer*>(QStringLiteral("timShow")); }

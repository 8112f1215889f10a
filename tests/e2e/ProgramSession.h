#pragma once

#include "AbacusGeometry.h"
#include "AccessibilityBus.h"
#include "Design.h"
#include "MenuReplica.h"
#include "ProgramRun.h"
#include "Replica.h"
#include "XConnection.h"
#include "XdoTool.h"
#include "XvfbServer.h"

#include <QImage>
#include <QMessageBox>
#include <QRect>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

// One run of the real program on a private X server, and the moves a person
// makes on it: menu commands, clicks, typing, answering message boxes. Every
// step waits for what it expects, within a time limit; when it does not come
// the step answers false and Problem() says what was seen instead.
class ProgramSession {
public:
    ProgramSession(QString executable, const QSize& screen);

    // Starts the server and the program and finds the main window.
    bool Start();
    const QString& Problem() const { return m_problem; }

    const XdoTool& Xdo() const { return *m_xdo; }
    // The session bus the program runs on, with the accessibility bus.
    const AccessibilityBus& Bus() const { return *m_bus; }
    ProgramRun& Program() { return *m_program; }
    const QRect& MainWindow() const { return m_mainWindow; }
    QString MainTitle() const;
    // The main window's client area below its menu bar.
    QRect Workspace() const;

    QImage Screenshot();
    const QImage& LastScreenshot() const { return m_lastScreenshot; }
    // Moves the pointer off the program, so that nothing shows a hover look.
    void ParkPointer() const;

    // Opens the menu by its title and clicks the item, with the pointer.
    bool Choose(const QString& menu, const QString& item);
    // Waits for the program's message box, checks that it shows this text
    // with this icon, and closes it with the Return key.
    bool AnswerBox(QMessageBox::Icon icon, const QString& text);
    bool NoBoxOpen();
    // After a failed step: closes whatever box or menu it left open, so
    // that the next step starts from the windows alone.
    void Recover();

    // Waits until the exercise window is in front and maximised: its caption
    // is in the main window's title and its picture lies at its designed
    // place in the workspace. From then on designed places map to the screen.
    bool WaitForWindow(const Design::ExerciseWindow& window);
    QRect OnScreen(const QRect& designed) const;
    AbacusGeometry Abacus(const Design::ExerciseWindow& window) const;
    // Polls screenshots until the abacus reads the value.
    bool WaitForAbacus(const AbacusGeometry& abacus, double value, int limitMs);
    // Polls screenshots until the condition holds for one of them.
    bool WaitForScreen(const std::function<bool(const QImage&)>& condition, int limitMs, const QString& what);

    // Closes the main window as a window manager would and waits for the program to end.
    bool CloseMainWindow();

    // Saves the main window as it was on the last screenshot, when the
    // run was asked for pictures (LINGXI_SCREENSHOT_DIR).
    void KeepScreenshot(const QString& name) const;
    bool Fail(const QString& problem);

private:
    std::uint32_t openMenu() const;
    bool openTitle(const QString& menu, std::uint32_t* popup);
    bool boxMatches(std::uint32_t box, const Replica::MessageBoxPicture& expected);
    bool windowInFront(const Design::ExerciseWindow& window);

    QString m_executable;
    QSize m_screen;
    std::unique_ptr<XvfbServer> m_server;
    std::unique_ptr<XConnection> m_x;
    std::unique_ptr<XdoTool> m_xdo;
    // Made before the program and so ended after it.
    std::unique_ptr<AccessibilityBus> m_bus;
    std::unique_ptr<ProgramRun> m_program;
    std::unique_ptr<MenuReplica> m_menus;
    std::uint32_t m_mainId = 0;
    QRect m_mainWindow;
    QString m_homeTitle;
    bool m_childMaximised = false;
    QPoint m_canvas;
    QImage m_lastScreenshot;
    QString m_problem;
};

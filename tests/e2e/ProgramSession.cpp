#include "ProgramSession.h"

#include "AbacusReader.h"
#include "InkMatch.h"
#include "Replica.h"
#include "ScreenSearch.h"

#include <QDir>
#include <QTest>

#include <utility>

namespace {

constexpr int ServerStartMs = 15000;
constexpr int WindowLimitMs = 15000;
constexpr int MenuLimitMs = 5000;
constexpr int BoxLimitMs = 10000;
constexpr int ExitLimitMs = 15000;
constexpr int RecoveryAttempts = 3;
constexpr int RecoveryLimitMs = 3000;
const QString BoxName = QStringLiteral("^灵犀数坊$");
const QString MainName = QStringLiteral("青禾小筑");
const QString MenuName = QStringLiteral("lingxi-shufang");

QString describe(const QRect& rect)
{
    return QStringLiteral("%1x%2+%3+%4").arg(rect.width()).arg(rect.height()).arg(rect.x()).arg(rect.y());
}

bool near(const QPoint& a, const QPoint& b) { return (a - b).manhattanLength() <= 2; }

}  // namespace

ProgramSession::ProgramSession(QString executable, const QSize& screen)
    : m_executable(std::move(executable))
    , m_screen(screen)
{
}

bool ProgramSession::Fail(const QString& problem)
{
    m_problem = problem;
    return false;
}

bool ProgramSession::Start()
{
    m_server = std::make_unique<XvfbServer>(m_screen);
    if (m_server->Display().isEmpty())
        return Fail(m_server->Problem());
    m_x = std::make_unique<XConnection>(m_server->Display());
    m_xdo = std::make_unique<XdoTool>(m_server->Display());
    if (!m_x->IsOpen())
        return Fail(QStringLiteral("cannot connect to ") + m_server->Display());
    m_bus = std::make_unique<AccessibilityBus>();
    m_program = std::make_unique<ProgramRun>(m_executable, m_server->Display(), m_bus.get());
    const bool shown = QTest::qWaitFor(
        [this] {
            const QList<std::uint32_t> found = m_xdo->WindowsNamed(MainName);
            m_mainId = found.isEmpty() ? 0 : found.first();
            return m_mainId != 0 || !m_program->IsRunning();
        },
        ServerStartMs);
    if (!shown || m_mainId == 0)
        return Fail(QStringLiteral("no main window; the program said: ") + m_program->Output());
    m_mainWindow = m_xdo->Geometry(m_mainId);
    m_homeTitle = MainTitle();
    m_menus = std::make_unique<MenuReplica>(m_mainWindow.size());
    return true;
}

QString ProgramSession::MainTitle() const { return m_xdo->Name(m_mainId); }

QRect ProgramSession::Workspace() const { return m_mainWindow.adjusted(0, m_menus->BarHeight(), 0, 0); }

QImage ProgramSession::Screenshot()
{
    m_lastScreenshot = m_x->Screenshot();
    return m_lastScreenshot;
}

void ProgramSession::ParkPointer() const { m_xdo->MoveTo(QPoint(m_screen.width() - 1, m_screen.height() - 1)); }

// A menu carries the program's name; the main window, message boxes and dialogs their titles.
std::uint32_t ProgramSession::openMenu() const
{
    for (const std::uint32_t window : m_xdo->ProgramWindows()) {
        if (window != m_mainId && m_xdo->Name(window) == MenuName)
            return window;
    }
    return 0;
}

bool ProgramSession::openTitle(const QString& menu, std::uint32_t* popup)
{
    const QRect title = m_menus->Title(menu, m_childMaximised).translated(m_mainWindow.topLeft());
    m_xdo->Click(title.center());
    if (!QTest::qWaitFor([&] { return (*popup = openMenu()) != 0; }, MenuLimitMs))
        return Fail(QStringLiteral("menu %1 did not open on a click at its title %2").arg(menu, describe(title)));
    const QRect opened = m_xdo->Geometry(*popup);
    if (!near(opened.topLeft(), title.bottomLeft() + QPoint(0, 1)) || opened.size() != m_menus->PopupSize(menu))
        return Fail(QStringLiteral("menu %1 opened at %2, not below its title %3 with its replica's size %4x%5")
                        .arg(menu, describe(opened), describe(title))
                        .arg(m_menus->PopupSize(menu).width())
                        .arg(m_menus->PopupSize(menu).height()));
    const QImage& expected = m_menus->Popup(menu);
    return WaitForScreen(
        [&](const QImage& screen) {
            return InkMatch::Similarity(screen.copy(opened), expected, ScreenSearch::IsInk) >= InkMatch::SameText;
        },
        MenuLimitMs, QStringLiteral("menu %1 drawn with its items").arg(menu));
}

bool ProgramSession::Choose(const QString& menu, const QString& item)
{
    if (!m_menus->Knows(menu, item))
        return Fail(QStringLiteral("the menu bar has no %1 / %2").arg(menu, item));
    std::uint32_t popup = 0;
    if (!openTitle(menu, &popup))
        return false;
    const QRect place = m_menus->Item(menu, item).translated(m_xdo->Geometry(popup).topLeft());
    m_xdo->Click(place.center());
    if (!QTest::qWaitFor([this] { return openMenu() == 0; }, MenuLimitMs))
        return Fail(QStringLiteral("menu %1 stayed open after a click on %2 at %3").arg(menu, item, describe(place)));
    return true;
}

bool ProgramSession::boxMatches(std::uint32_t box, const Replica::MessageBoxPicture& expected)
{
    const QRect at = m_xdo->Geometry(box);
    if (at.size() != expected.size)
        return Fail(QStringLiteral("message box %1, its replica %2x%3")
                        .arg(describe(at))
                        .arg(expected.size.width())
                        .arg(expected.size.height()));
    const QRect message(at.topLeft(), expected.message.size());
    double likeness = 0;
    const bool alike = WaitForScreen(
        [&](const QImage& screen) {
            likeness = InkMatch::Similarity(screen.copy(message), expected.message, ScreenSearch::IsInk);
            return likeness >= InkMatch::SameMessage;
        },
        BoxLimitMs, QStringLiteral("message box like its replica"));
    if (!alike) {
        expected.message.save(QStringLiteral("tst_e2e-expected-box.png"));
        return Fail(m_problem + QStringLiteral(" (likeness %1; expected picture saved)").arg(likeness));
    }
    return true;
}

bool ProgramSession::AnswerBox(QMessageBox::Icon icon, const QString& text)
{
    std::uint32_t box = 0;
    const auto found = [&] {
        const QList<std::uint32_t> boxes = m_xdo->WindowsNamed(BoxName);
        box = boxes.isEmpty() ? 0 : boxes.first();
        return box != 0;
    };
    if (!QTest::qWaitFor(found, BoxLimitMs))
        return Fail(QStringLiteral("no message box came for: ") + text);
    if (!boxMatches(box, Replica::MessageBox(icon, text)))
        return false;
    // Return goes to the window with the keyboard focus.
    if (!QTest::qWaitFor([&] { return m_xdo->FocusedWindow() == box; }, BoxLimitMs))
        return Fail(QStringLiteral("the message box never got the keyboard focus"));
    m_xdo->Key(QStringLiteral("Return"));
    // That box goes; the command may well open the next one at once.
    if (!QTest::qWaitFor([&] { return !m_xdo->WindowsNamed(BoxName).contains(box); }, BoxLimitMs))
        return Fail(QStringLiteral("Return did not close the message box: ") + text);
    return true;
}

bool ProgramSession::NoBoxOpen() { return m_xdo->WindowsNamed(BoxName).isEmpty(); }

void ProgramSession::Recover()
{
    for (int attempt = 0; attempt < RecoveryAttempts && (!NoBoxOpen() || openMenu() != 0); ++attempt) {
        m_xdo->Key(QStringLiteral("Escape"));
        static_cast<void>(QTest::qWaitFor([this] { return NoBoxOpen() && openMenu() == 0; }, RecoveryLimitMs));
    }
}

bool ProgramSession::windowInFront(const Design::ExerciseWindow& window)
{
    // A maximised child window adds its caption to the main window's title.
    if (MainTitle() != m_homeTitle + QStringLiteral(" - [%1]").arg(window.caption))
        return Fail(QStringLiteral("main window titled %1").arg(MainTitle()));
    const QImage screen = Screenshot();
    const QRect picture = ScreenSearch::FindBlackPicture(screen, Workspace(), window.pic.width() * 3 / 4);
    const QRect expected = window.pic.translated(Workspace().topLeft());
    if (picture != expected)
        return Fail(QStringLiteral("picture of %1 at %2, designed at %3 in the maximised window")
                        .arg(window.caption, describe(picture), describe(expected)));
    return true;
}

bool ProgramSession::WaitForWindow(const Design::ExerciseWindow& window)
{
    if (!QTest::qWaitFor([&] { return windowInFront(window); }, WindowLimitMs))
        return false;
    m_childMaximised = true;
    m_canvas = Workspace().topLeft();
    return true;
}

QRect ProgramSession::OnScreen(const QRect& designed) const { return designed.translated(m_canvas); }

AbacusGeometry ProgramSession::Abacus(const Design::ExerciseWindow& window) const
{
    return AbacusGeometry(OnScreen(window.pic), window.rods);
}

bool ProgramSession::WaitForScreen(
    const std::function<bool(const QImage&)>& condition, int limitMs, const QString& what)
{
    const bool seen = QTest::qWaitFor([&] { return condition(Screenshot()); }, limitMs);
    return seen || Fail(QStringLiteral("not seen within %1 ms: %2").arg(limitMs).arg(what));
}

bool ProgramSession::WaitForAbacus(const AbacusGeometry& abacus, double value, int limitMs)
{
    const bool seen
        = WaitForScreen([&](const QImage& screen) { return AbacusReader(screen, abacus).Number() == value; }, limitMs,
            QStringLiteral("the abacus showing %1").arg(value, 0, 'f', 0));
    if (!seen)
        m_problem += QStringLiteral("; it reads %1").arg(AbacusReader(m_lastScreenshot, abacus).Describe());
    return seen;
}

bool ProgramSession::CloseMainWindow()
{
    m_x->RequestClose(m_mainId);
    if (!m_program->WaitForExit(ExitLimitMs))
        return Fail(QStringLiteral("the program did not end after its main window was asked to close"));
    return true;
}

void ProgramSession::KeepScreenshot(const QString& name) const
{
    const QString folder = qEnvironmentVariable("LINGXI_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        m_lastScreenshot.copy(m_mainWindow).save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

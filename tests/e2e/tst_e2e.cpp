#include "AbacusReader.h"
#include "AccessibleTree.h"
#include "Design.h"
#include "InkMatch.h"
#include "ProgramSession.h"
#include "Replica.h"
#include "ScreenSearch.h"

#include "platform/Fonts.h"
#include "platform/WebBrowser.h"
#include "records/RecordKeeper.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QScreen>
#include <QStandardPaths>
#include <QtTest>

#include <cmath>
#include <memory>

// The real program under a real X server, used the way a child and a parent
// use it: every command through the menu bar with the pointer, typing into
// the boxes, answering message boxes with the keyboard. Nothing reaches
// into the program; everything it does is read back from the screen.
//
// The steps build on each other and run in the order written, as one session.
class EndToEndTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void startupPictureShowsChangingNumbers();
    void screenReaderFindsTheStartupPicture();
    void learningWindowOpensMaximised();
    void learningRunEndsWithItsSummary();
    void practiceWindowMovesTheClickedBeads();
    void screenReaderFindsThePracticeWindow();
    void trainingWindowPlaysAndMarksTheSum();
    void gameCommandBringsBackThePracticeWindow();
    void rodCountCommandIsNotThereYet();
    void helpShowsItsTextThenTriesTheShopPage();
    void homePageOpensInTheBrowser();
    void aboutShowsTheNotice();
    void demonstrationPlaysOnePass();
    void recordsShowAMonthOfPractice();
    void closingTheMainWindowEndsTheProgram();
    void cleanup();
    void cleanupTestCase();

private:
    QString captionOn(const QRect& designedButton, double question) const;
    QString markOn(const QRect& designedLabel) const;
    bool answer(bool rightly, double* asked);
    bool seeMark(const QRect& designedLabel, const QString& mark);
    AccessibleTree::Outcome readAccessibleTree(AccessibleTree& tree);
    ProgramSession& session() { return *m_session; }
    QString why() const { return m_session->Problem(); }

    std::unique_ptr<ProgramSession> m_session;
    QElapsedTimer m_duration;
};

namespace {

constexpr int ScreenWidth = 1280;
constexpr int ScreenHeight = 800;
constexpr int ShortLimitMs = 5000;
constexpr int PlayLimitMs = 30000;
constexpr int PassLimitMs = 40000;

QString summaryText(int questions, int right)
{
    const int score = static_cast<int>(std::floor(static_cast<double>(right) / questions * 100));
    return QStringLiteral("恭喜完成本轮游戏\r\n共出题：%1道,你答对:%2道,答错:%3道 \r\n得分:%4")
        .arg(questions)
        .arg(right)
        .arg(questions - right)
        .arg(score);
}

const QString HelpText = QStringLiteral(
    "本软件是青禾小筑的系列游戏软件之一，因时间关系，只完成了一小部分，\r\n请关注我们的主页，我们会持续更新\r\n"
    "使用说明请看我们主页\r\n");

QString number(double value) { return QString::number(value, 'f', 0); }

// Three different captions, the right answer and the one a unit below among them.
bool fairAnswers(const QStringList& captions, double answer)
{
    const bool distinct = QSet<QString>(captions.begin(), captions.end()).size() == captions.size();
    return distinct && !captions.contains(QString()) && captions.contains(number(answer))
        && captions.contains(number(answer - 1));
}

// The number the abacus shows, or -1.
double read(const QImage& screen, const AbacusGeometry& abacus) { return AbacusReader(screen, abacus).Number(); }

// What a screen reader says of each rod ("第1档：6" ...): the digits, left
// to right, or nothing when a rod is missing or misnamed.
QString spokenRods(const AccessibleTree& tree, const AccessibleTree::Node& abacus, int rods)
{
    const QList<const AccessibleTree::Node*> children = tree.Children(abacus);
    QString digits;
    for (int rod = 0; rod < rods && children.size() == rods; ++rod) {
        const QString name = QStringLiteral("第%1档").arg(rod + 1);
        if (children[rod]->role != QStringLiteral("label") || children[rod]->name != name
            || !children[rod]->description.startsWith(name + QStringLiteral("：")))
            return {};
        digits += children[rod]->description.mid(name.size() + 1);
    }
    return digits;
}

// The start-up picture's abacus, found beside the picture's brand line.
const AccessibleTree::Node* startupAbacus(const AccessibleTree& tree)
{
    const AccessibleTree::Node* brand = tree.Find(QStringLiteral("label"), QStringLiteral("灵 犀 数 坊"));
    const AccessibleTree::Node* picture = brand ? tree.Parent(*brand) : nullptr;
    return picture ? tree.Find(QStringLiteral("image"), QStringLiteral("算盘"), picture) : nullptr;
}

// A month of practice of 小明 on most days, kept as the program keeps it:
// runs of 识珠学习 and 识珠练习, and 加减训练 answers with their bead-rule groups.
void keepMonthOfPractice(const QString& path)
{
    RecordKeeper keeper(path);
    keeper.Add(QStringLiteral("小明"));
    keeper.Choose(keeper.Children().first().id);
    QRandomGenerator random(31);
    for (int day = 29; day >= 0; --day) {
        std::int64_t when = QDateTime::currentSecsSinceEpoch() - day * 86400 - 7200;
        for (int i = 0, count = 8 + random.bounded(14); i < count && day % 6 != 2; ++i, when += 60) {
            if (i < 2)
                keeper.Keep(BeadRunResult{.exercise = i ? "识珠练习" : "识珠学习", .when = when, .questions = 10,
                                          .right = 5.0 + random.bounded(6),
                                          .durationSeconds = 50.0 + random.bounded(40)});
            else
                keeper.Keep(ColumnAnswerResult{.when = when, .right = random.bounded(10) < 8,
                                               .groups = {static_cast<BeadRule::Group>(random.bounded(4))},
                                               .secondsToAnswer = 20.0 + random.bounded(20)});
        }
    }
}

// The colours of 成绩记录's charts: the bars of the questions, the line of right answers.
bool isBar(QRgb pixel) { return qAbs(qRed(pixel) - 90) + qAbs(qGreen(pixel) - 140) + qAbs(qBlue(pixel) - 210) < 30; }
bool isLine(QRgb pixel) { return qAbs(qRed(pixel) - 220) + qAbs(qGreen(pixel) - 70) + qAbs(qBlue(pixel) - 50) < 30; }

}  // namespace

void EndToEndTest::initTestCase()
{
    m_duration.start();
    for (const char* tool : {"Xvfb", "xdotool"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            QSKIP(qPrintable(QStringLiteral("%1 is not installed (make deps installs it)").arg(tool)));
    }
    QCOMPARE(QGuiApplication::primaryScreen()->size(), QSize(ScreenWidth, ScreenHeight));
    // The replicas of menus, boxes and captions need the program's fonts.
    Fonts::InstallDefault(*qobject_cast<QApplication*>(QCoreApplication::instance()));
    m_session = std::make_unique<ProgramSession>(QStringLiteral(PROGRAM_PATH), QSize(ScreenWidth, ScreenHeight));
    QVERIFY2(session().Start(), qPrintable(why()));
}

void EndToEndTest::startupPictureShowsChangingNumbers()
{
    ProgramSession& s = session();
    s.ParkPointer();
    const QRect designed = Design::StartupAbacus.translated(s.Workspace().topLeft());
    const AbacusGeometry abacus(designed, Design::StartupRods);
    double first = -1;
    QVERIFY2(s.WaitForScreen(
                 [&](const QImage& screen) {
                     first = read(screen, abacus);
                     return ScreenSearch::FindBlackPicture(screen, s.Workspace(), designed.width() * 3 / 4) == designed
                         && first >= 10000 && first <= 99998;
                 },
                 ShortLimitMs, QStringLiteral("the start-up abacus with a five-digit number")),
        qPrintable(why()));
    QVERIFY(ScreenSearch::Count(s.LastScreenshot(), s.Workspace(), ScreenSearch::IsPurple) > 1000);
    s.KeepScreenshot(QStringLiteral("main-window"));
    QVERIFY2(s.WaitForScreen(
                 [&](const QImage& screen) {
                     const double next = read(screen, abacus);
                     return next >= 10000 && next <= 99998 && next != first;
                 },
                 ShortLimitMs, QStringLiteral("a new number after ") + number(first)),
        qPrintable(why()));
}

AccessibleTree::Outcome EndToEndTest::readAccessibleTree(AccessibleTree& tree)
{
    return tree.Read(m_session->Bus(), m_session->Program().ProcessId());
}

// As a screen reader gets it over the AT-SPI bus: the abacus with the number
// the picture shows, as value and description, its rods, and the labels.
void EndToEndTest::screenReaderFindsTheStartupPicture()
{
    ProgramSession& s = session();
    const AbacusGeometry abacus(Design::StartupAbacus.translated(s.Workspace().topLeft()), Design::StartupRods);
    AccessibleTree tree;
    AccessibleTree::Outcome outcome = AccessibleTree::Outcome::Read;
    const AccessibleTree::Node* spoken = nullptr;
    QString shown;
    // A new number comes twice a second: a reading that spans more than one
    // change, or falls between the number and its rods, is taken again.
    const bool agrees = QTest::qWaitFor(
        [&] {
            const QString before = number(read(s.Screenshot(), abacus));
            outcome = readAccessibleTree(tree);
            shown = number(read(s.Screenshot(), abacus));
            spoken = startupAbacus(tree);
            return outcome != AccessibleTree::Outcome::Read
                || (spoken && (spoken->value == before || spoken->value == shown)
                    && spokenRods(tree, *spoken, Design::StartupRods) == spoken->value);
        },
        PlayLimitMs);
    if (outcome == AccessibleTree::Outcome::Unavailable)
        QSKIP(qPrintable(tree.Problem()));
    QVERIFY2(outcome == AccessibleTree::Outcome::Read, qPrintable(tree.Problem()));
    QVERIFY2(agrees,
        qPrintable(QStringLiteral("the picture shows %1, a screen reader gets:\n").arg(shown) + tree.Text()));
    QVERIFY(spoken->value.toDouble() >= 10000 && spoken->value.toDouble() <= 99998);
    QCOMPARE(spoken->description, spoken->value);
    QVERIFY(spoken->states.contains(QStringLiteral("showing")));
}

void EndToEndTest::learningWindowOpensMaximised()
{
    ProgramSession& s = session();
    QVERIFY2(s.Choose(QStringLiteral("学习"), QStringLiteral("01 识珠学习")), qPrintable(why()));
    QVERIFY2(s.WaitForWindow(Design::frmTrain01), qPrintable(why()));
    QVERIFY2(s.WaitForAbacus(s.Abacus(Design::frmTrain01), 0, ShortLimitMs), qPrintable(why()));
    // The start-up picture has gone with its brand and contact lines.
    QCOMPARE(ScreenSearch::Count(s.LastScreenshot(), s.MainWindow(), ScreenSearch::IsPurple), 0);
}

QString EndToEndTest::captionOn(const QRect& designedButton, double question) const
{
    const QRect place = m_session->OnScreen(designedButton);
    const QImage shown = m_session->LastScreenshot().copy(place);
    QString best;
    double bestLikeness = InkMatch::SameText;
    // The right answer, or a decoy near it; anything else would not be recognised.
    for (double candidate = std::max(0.0, question - 3); candidate <= question + 5; ++candidate) {
        const QImage drawn = Replica::Button(place.size(), Fonts::Tahoma(Design::AnswerPointSize), number(candidate));
        const double likeness = InkMatch::Similarity(shown, drawn, ScreenSearch::IsInk);
        if (likeness >= bestLikeness) {
            bestLikeness = likeness;
            best = number(candidate);
        }
    }
    return best;
}

// Waits for a question different from the one before, with its three
// answers (the right one, one a unit below, one a little above), and clicks
// the right answer or a wrong one.
bool EndToEndTest::answer(bool rightly, double* asked)
{
    ProgramSession& s = session();
    const AbacusGeometry abacus = s.Abacus(Design::frmTrain01);
    const double before = *asked;
    QStringList captions;
    const bool ready = s.WaitForScreen(
        [&](const QImage& screen) {
            *asked = read(screen, abacus);
            captions.clear();
            for (const QRect& button : Design::Train01_cmdNum)
                captions.append(captionOn(button, *asked));
            return *asked >= 1 && *asked <= 8 && *asked != before && fairAnswers(captions, *asked);
        },
        ShortLimitMs, QStringLiteral("a one-digit question with its three answers"));
    if (!ready)
        return s.Fail(
            why() + QStringLiteral(": the abacus reads %1, the buttons %2").arg(number(*asked), captions.join(u' ')));
    const int right = static_cast<int>(captions.indexOf(number(*asked)));
    s.Xdo().Click(s.OnScreen(Design::Train01_cmdNum[rightly ? right : (right + 1) % 3]).center());
    s.ParkPointer();
    return true;
}

QString EndToEndTest::markOn(const QRect& designedLabel) const
{
    const QRect place = m_session->OnScreen(designedLabel);
    const QImage shown = m_session->LastScreenshot().copy(place);
    for (const QString& mark : {QStringLiteral("√"), QStringLiteral("X"), QStringLiteral("×")}) {
        const QImage drawn = Replica::Label(place.size(), Fonts::Tahoma(Design::MarkPointSize), Qt::red, mark);
        if (InkMatch::Similarity(shown, drawn, ScreenSearch::IsRed) >= InkMatch::SameText)
            return mark;
    }
    return ScreenSearch::Count(m_session->LastScreenshot(), place, ScreenSearch::IsRed) == 0 ? QString()
                                                                                             : QStringLiteral("?");
}

bool EndToEndTest::seeMark(const QRect& designedLabel, const QString& mark)
{
    QString seen;
    const bool shown = session().WaitForScreen([&](const QImage&) { return (seen = markOn(designedLabel)) == mark; },
        PlayLimitMs, QStringLiteral("the mark ") + mark);
    return shown || session().Fail(why() + QStringLiteral(", the mark reads \"%1\"").arg(seen));
}

void EndToEndTest::learningRunEndsWithItsSummary()
{
    ProgramSession& s = session();
    s.Xdo().Retype(s.OnScreen(Design::Train01_txtNum).center(), QStringLiteral("2"));
    // Time enough to read every question before it runs out.
    s.Xdo().Retype(s.OnScreen(Design::Train01_txtTime).center(), QStringLiteral("30"));
    s.Xdo().Click(s.OnScreen(Design::Train01_cmdStart).center());
    s.ParkPointer();
    double asked = 0;
    QVERIFY2(answer(true, &asked), qPrintable(why()));
    s.KeepScreenshot(QStringLiteral("frmTrain01"));
    QVERIFY2(seeMark(Design::Train01_labScore, QStringLiteral("√")), qPrintable(why()));
    QVERIFY2(answer(false, &asked), qPrintable(why()));
    // The cross stays on screen while the summary waits to be read.
    QVERIFY2(seeMark(Design::Train01_labScore, QStringLiteral("X")), qPrintable(why()));
    QVERIFY2(s.AnswerBox(QMessageBox::Information, summaryText(2, 1)), qPrintable(why()));
    QVERIFY2(s.WaitForAbacus(s.Abacus(Design::frmTrain01), 0, ShortLimitMs), qPrintable(why()));
    QVERIFY2(seeMark(Design::Train01_labScore, QString()), qPrintable(why()));
}

void EndToEndTest::practiceWindowMovesTheClickedBeads()
{
    ProgramSession& s = session();
    QVERIFY2(s.Choose(QStringLiteral("训练"), QStringLiteral("01 识珠练习")), qPrintable(why()));
    QVERIFY2(s.WaitForWindow(Design::frmTrain03), qPrintable(why()));
    const AbacusGeometry abacus = s.Abacus(Design::frmTrain03);
    QVERIFY2(s.WaitForAbacus(abacus, 0, ShortLimitMs), qPrintable(why()));
    // The units rod's bead nearest the beam rests at 45, the tens rod's upper bead at 95.
    s.Xdo().Click(abacus.ToScreen(AbacusGeometry::RodX(3), 45));
    QVERIFY2(s.WaitForAbacus(abacus, 1, ShortLimitMs), qPrintable(why()));
    s.Xdo().Click(abacus.ToScreen(AbacusGeometry::RodX(2), 95));
    s.ParkPointer();
    QVERIFY2(s.WaitForAbacus(abacus, 51, ShortLimitMs), qPrintable(why()));
    s.KeepScreenshot(QStringLiteral("frmTrain03"));
}

// The window the beads were just moved in, as a screen reader gets it; the
// start-up picture it hides is there, but not showing.
void EndToEndTest::screenReaderFindsThePracticeWindow()
{
    AccessibleTree tree;
    const AccessibleTree::Outcome outcome = readAccessibleTree(tree);
    if (outcome == AccessibleTree::Outcome::Unavailable)
        QSKIP(qPrintable(tree.Problem()));
    QVERIFY2(outcome == AccessibleTree::Outcome::Read, qPrintable(tree.Problem()));
    const AccessibleTree::Node* window = tree.Find(QStringLiteral("frame"), Design::frmTrain03.caption);
    const AccessibleTree::Node* abacus
        = window ? tree.Find(QStringLiteral("slider"), QStringLiteral("算盘"), window) : nullptr;
    QVERIFY2(abacus, qPrintable(tree.Text()));
    QVERIFY2(tree.Find(QStringLiteral("text"), QStringLiteral("出题数目"), window), qPrintable(tree.Text()));
    QCOMPARE(abacus->value, QStringLiteral("51"));
    QCOMPARE(abacus->description, QStringLiteral("51"));
    QCOMPARE(spokenRods(tree, *abacus, Design::frmTrain03.rods), QStringLiteral("0051"));
    QVERIFY(abacus->states.contains(QStringLiteral("showing")));
    const AccessibleTree::Node* hidden = startupAbacus(tree);
    QVERIFY2(hidden, qPrintable(tree.Text()));
    const QList<const AccessibleTree::Node*> hiddenObjects = tree.Children(*hidden) << hidden;
    for (const AccessibleTree::Node* node : hiddenObjects)
        QVERIFY2(!node->states.contains(QStringLiteral("showing")), qPrintable(node->name));
}

void EndToEndTest::trainingWindowPlaysAndMarksTheSum()
{
    ProgramSession& s = session();
    QVERIFY2(s.Choose(QStringLiteral("训练"), QStringLiteral("02 加减训练")), qPrintable(why()));
    QVERIFY2(s.WaitForWindow(Design::frmTrain02), qPrintable(why()));
    const AbacusGeometry abacus = s.Abacus(Design::frmTrain02);
    QVERIFY2(s.WaitForAbacus(abacus, 0, ShortLimitMs), qPrintable(why()));
    s.Xdo().Click(s.OnScreen(Design::Train02_cmdQ).center());
    const QRect firstOperand = s.OnScreen(Design::Train02_txtChange0);
    QVERIFY2(
        s.WaitForScreen(
            [&](const QImage& screen) { return ScreenSearch::Count(screen, firstOperand, ScreenSearch::IsInk) > 20; },
            ShortLimitMs, QStringLiteral("a question in the operand boxes")),
        qPrintable(why()));
    s.Xdo().Retype(firstOperand.center(), QStringLiteral("12"));
    s.Xdo().Retype(s.OnScreen(Design::Train02_txtChange1).center(), QStringLiteral("34"));
    s.Xdo().Retype(s.OnScreen(Design::Train02_txtN4).center(), QStringLiteral("46"));
    s.Xdo().Click(s.OnScreen(Design::Train02_cmdOk2).center());
    s.ParkPointer();
    // The mark comes when both operands have been played bead by bead.
    QVERIFY2(seeMark(Design::Train02_labScore, QStringLiteral("√")), qPrintable(why()));
    QVERIFY2(s.WaitForAbacus(abacus, 46, ShortLimitMs), qPrintable(why()));
    s.KeepScreenshot(QStringLiteral("frmTrain02"));
}

void EndToEndTest::gameCommandBringsBackThePracticeWindow()
{
    ProgramSession& s = session();
    QVERIFY2(s.Choose(QStringLiteral("游戏"), QStringLiteral("01 识珠游戏1")), qPrintable(why()));
    QVERIFY2(s.WaitForWindow(Design::frmTrain03), qPrintable(why()));
    // The very window left before, neither loaded again nor reset.
    QVERIFY2(s.WaitForAbacus(s.Abacus(Design::frmTrain03), 51, ShortLimitMs), qPrintable(why()));
}

void EndToEndTest::rodCountCommandIsNotThereYet()
{
    ProgramSession& s = session();
    QVERIFY2(s.Choose(QStringLiteral("设置"), QStringLiteral("设置算盘位数")), qPrintable(why()));
    QVERIFY2(s.AnswerBox(QMessageBox::NoIcon, QStringLiteral("暂无此功能")), qPrintable(why()));
}

void EndToEndTest::helpShowsItsTextThenTriesTheShopPage()
{
    ProgramSession& s = session();
    s.Program().SetBrowserWorks(false);
    QVERIFY2(s.Choose(QStringLiteral("帮助"), QStringLiteral("帮助")), qPrintable(why()));
    QVERIFY2(s.AnswerBox(QMessageBox::Information, HelpText), qPrintable(why()));
    // No browser could open the shop page: the program gives its address instead.
    QTRY_COMPARE_WITH_TIMEOUT(s.Program().OpenedAddresses(), QStringList {frmMain::ShopPage}, ShortLimitMs);
    QVERIFY2(
        s.AnswerBox(QMessageBox::Information, DesktopBrowser::CouldNotOpenText(frmMain::ShopPage)), qPrintable(why()));
}

void EndToEndTest::homePageOpensInTheBrowser()
{
    ProgramSession& s = session();
    s.Program().SetBrowserWorks(true);
    QVERIFY2(s.Choose(QStringLiteral("帮助"), QStringLiteral("官网")), qPrintable(why()));
    QTRY_COMPARE_WITH_TIMEOUT(s.Program().OpenedAddresses().size(), 2, ShortLimitMs);
    // The page the window's title names.
    QCOMPARE(s.Program().OpenedAddresses().last(), frmMain::HomePage);
    QVERIFY(s.MainTitle().contains(frmMain::HomePage));
    // The browser took the page: no box follows.
    QVERIFY(!QTest::qWaitFor([&] { return !s.NoBoxOpen(); }, 1000));
}

void EndToEndTest::aboutShowsTheNotice()
{
    ProgramSession& s = session();
    QVERIFY2(s.Choose(QStringLiteral("帮助"), QStringLiteral("关于")), qPrintable(why()));
    QVERIFY2(s.AnswerBox(QMessageBox::Information, frmMain::AboutText()), qPrintable(why()));
}

void EndToEndTest::demonstrationPlaysOnePass()
{
    ProgramSession& s = session();
    QVERIFY2(s.Choose(QStringLiteral("演示"), QStringLiteral("01 演示9遍9")), qPrintable(why()));
    QVERIFY2(s.WaitForWindow(Design::frmShow9), qPrintable(why()));
    const AbacusGeometry abacus = s.Abacus(Design::frmShow9);
    s.ParkPointer();
    QVERIFY2(s.WaitForAbacus(abacus, 123456789, ShortLimitMs), qPrintable(why()));
    s.KeepScreenshot(QStringLiteral("frmShow9"));
    const QPoint startPause = s.OnScreen(Design::Show9_cmdYanShi2).center();
    s.Xdo().Click(startPause);
    QVERIFY2(s.WaitForScreen([&](const QImage& screen) { return read(screen, abacus) != 123456789; }, ShortLimitMs,
                 QStringLiteral("the first pass moving beads")),
        qPrintable(why()));
    // Paused in the middle of the pass: the pass completes, and no other follows.
    s.Xdo().Click(startPause);
    QVERIFY2(s.AnswerBox(QMessageBox::NoIcon, QStringLiteral("这一遍加好以后就暂停")), qPrintable(why()));
    QVERIFY2(s.WaitForAbacus(abacus, 246913578, PassLimitMs), qPrintable(why()));
    QVERIFY(!QTest::qWaitFor([&] { return read(s.Screenshot(), abacus) != 246913578; }, 2000));
}

// Kept by another copy of the program: once 小明 is chosen in 01 选择孩子
// (Space picks him in the list, Return presses its 确定), 成绩记录 draws his
// month in its charts.
void EndToEndTest::recordsShowAMonthOfPractice()
{
    ProgramSession& s = session();
    keepMonthOfPractice(s.Program().DataFolder() + QStringLiteral("/qinghexiaozhu/lingxi-shufang/records.sqlite3"));
    QVERIFY2(s.Choose(QStringLiteral("成绩"), QStringLiteral("01 选择孩子")), qPrintable(why()));
    const auto dialogs = [&] { return s.Xdo().WindowsNamed(QStringLiteral("^选择孩子$")); };
    QTRY_VERIFY_WITH_TIMEOUT(!dialogs().isEmpty() && s.Xdo().FocusedWindow() == dialogs().first(), ShortLimitMs);
    s.Xdo().Key(QStringLiteral("space"));
    s.Xdo().Key(QStringLiteral("Return"));
    QTRY_VERIFY_WITH_TIMEOUT(dialogs().isEmpty(), ShortLimitMs);
    QVERIFY2(s.Choose(QStringLiteral("成绩"), QStringLiteral("02 成绩记录")), qPrintable(why()));
    s.ParkPointer();
    QVERIFY2(s.WaitForScreen(
                 [&](const QImage& screen) {
                     return s.MainTitle().endsWith(QStringLiteral(" - [成绩记录]"))
                         && ScreenSearch::Count(screen, s.Workspace(), isBar) > 2000
                         && ScreenSearch::Count(screen, s.Workspace(), isLine) > 2000;
                 },
                 ShortLimitMs, QStringLiteral("成绩记录 with the bars and lines of its charts")),
        qPrintable(why()));
    s.KeepScreenshot(QStringLiteral("frmRecords"));
}

void EndToEndTest::closingTheMainWindowEndsTheProgram()
{
    ProgramSession& s = session();
    QVERIFY2(s.CloseMainWindow(), qPrintable(why()));
    QCOMPARE(s.Program().ExitStatus(), QProcess::NormalExit);
    QCOMPARE(s.Program().ExitCode(), 0);
}

void EndToEndTest::cleanup()
{
    if (!QTest::currentTestFailed() || !m_session)
        return;
    const QString picture = QStringLiteral("tst_e2e-%1.png").arg(QString::fromLatin1(QTest::currentTestFunction()));
    m_session->LastScreenshot().save(picture);
    qInfo("screen saved as %s; the program said:\n%s", qPrintable(QDir::current().filePath(picture)),
        qPrintable(m_session->Program().Output()));
    m_session->Recover();
}

void EndToEndTest::cleanupTestCase()
{
    m_session.reset();
    qInfo("end-to-end run took %.1f s", static_cast<double>(m_duration.elapsed()) / 1000);
}

int main(int argc, char* argv[])
{
    // The replicas are drawn offscreen on a screen of the Xvfb screen's size:
    // a message box takes its width from the screen's.
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" OFFSCREEN_CONFIG);
    QApplication application(argc, argv);
    EndToEndTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_e2e.moc"

#include "DesignedPlace.h"
#include "TestEnvironment.h"

#include "abacus/Colours.h"
#include "abacus/ProgramWide.h"
#include "demo/frmShow9.h"
#include "exercises/AccessibleAbacus.h"
#include "exercises/ExerciseWindow.h"
#include "exercises/frmTrain01.h"
#include "exercises/frmTrain03.h"
#include "mental/frmFlash.h"
#include "platform/PictureBox.h"
#include "platform/Twips.h"
#include "progress/frmChildren.h"
#include "records/RecordKeeper.h"
#include "shell/frmMain.h"
#include "training/frmTrain02.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>
#include <QTest>

namespace {

// Opens one of the exercise windows.
using Opener = ExerciseWindow& (*)(frmMain&);

// What the screen reader was told of changed values, by the update handler below.
QList<double> g_valuesAnnounced;

void recordValueChange(QAccessibleValueChangeEvent& event) { g_valuesAnnounced << event.value().toDouble(); }

// The windows whose controls stand at designed places, and whether the child moves their beads.
const std::tuple<const char*, Opener, bool> DesignedWindows[] = {
    {"mnuLearnZhu", [](frmMain& w) -> ExerciseWindow& { return w.Train01(); }, false},
    {"mnuTrance01", [](frmMain& w) -> ExerciseWindow& { return w.Train03(); }, true},
    {"mnuTrance02", [](frmMain& w) -> ExerciseWindow& { return w.Train02(); }, true},
    {"mnuShow01_9Add", [](frmMain& w) -> ExerciseWindow& { return w.Show9(); }, false},
};

QStringList accessibleNames(QAccessibleInterface* node)
{
    QStringList names{node->text(QAccessible::Name)};
    for (int i = 0; i < node->childCount(); ++i)
        names << accessibleNames(node->child(i));
    return names;
}

}  // namespace

class FrmMainTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void menuBar_data();
    void menuBar();
    void menuItemsCarryNoAccessKeys();
    void setRodsShowsOnlyNotice();
    void helpShowsTextThenOpensShop();
    void homePageOpensWithoutMessage();
    void aboutShowsNotice();
    void idleAbacusIsBlackBeforeFirstTick();
    void idleShowDrawsColourfulNumber();
    void idleShowNeverRepeatsANumber();
    void idleShowRange_data();
    void idleShowRange();
    void windowCommandHidesStartupPicture_data();
    void flashOpensLikeTheOthers();
    void windowCommandHidesStartupPicture();
    void showAgainBringsStartupPictureBack();
    void startupPictureCoversWorkspace();
    void workspaceHasDesignedSize();
    void fitsTheScreen_data();
    void fitsTheScreen();
    void smallScreenMaximisesTheWindow();
    void startupLabels_data();
    void startupLabels();
    void startupLabelsReachTheScreenReader();
    void abacusTellsTheScreenReader_data();
    void abacusTellsTheScreenReader();
    void ruleLineFollowsThePlayback();
    void windowsScaleAsOne_data();
    void windowsScaleAsOne();
    void enlargingFitsTheWorkspace();
    void chosenChildIsNamedAndKeepsResults();

private:
    QAction* action(const char* name) const { return m_window->findChild<QAction*>(QString::fromUtf8(name)); }
    QWidget* startupPicture() const { return m_window->findChild<QWidget*>(QStringLiteral("pic")); }
    QTimer* numberShow() const { return m_window->findChild<QTimer*>(QStringLiteral("timShow")); }

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<frmMain> m_window;
};

// Settings and records go to Qt's folders for tests, emptied first, never the user's.
void FrmMainTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings().clear();
    QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
}

void FrmMainTest::init()
{
    m_env = std::make_unique<TestEnvironment>();
    m_window = std::make_unique<frmMain>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void FrmMainTest::cleanup()
{
    m_window.reset();
    m_env.reset();
}

void FrmMainTest::menuBar_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QStringList>("captions");
    QTest::addRow("学习") << "mnuLearn" << "学习" << QStringList{"mnuLearnZhu"} << QStringList{"01 识珠学习"};
    QTest::addRow("训练") << "Train" << "训练" << QStringList{"mnuTrance01", "mnuTrance02", "mnuTrance03", "mnuTrance04"}
                        << QStringList{"01 识珠练习", "02 加减训练", "03 闪电心算", "04 听心算"};
    QTest::addRow("演示") << "mnuShow" << "演示" << QStringList{"mnuShow01_9Add"} << QStringList{"01 演示9遍9"};
    QTest::addRow("游戏") << "mnuGame" << "游戏" << QStringList{"mnuGame01_识珠"} << QStringList{"01 识珠游戏1"};
    QTest::addRow("成绩") << "mnuRecords" << "成绩" << QStringList{"mnuRecords01", "mnuRecords02"}
                        << QStringList{"01 选择孩子", "02 成绩记录"};
    QTest::addRow("设置") << "mnuSet" << "设置" << QStringList{"mnuSet01", "mnuSet02"}
                        << QStringList{"设置算盘位数", "放大到窗口"};
    QTest::addRow("帮助") << "mnuHelp" << "帮助" << QStringList{"mnuHelp01", "mnuHelpUrl", "mnuHelpAbout"}
                        << QStringList{"帮助", "官网", "关于"};
}

void FrmMainTest::menuBar()
{
    QFETCH(QString, menu);
    QFETCH(QString, title);
    QFETCH(QStringList, items);
    QFETCH(QStringList, captions);

    static const QStringList order = {"mnuLearn", "Train", "mnuShow", "mnuGame", "mnuRecords", "mnuSet", "mnuHelp"};
    const QList<QAction*> topLevel = m_window->menuBar()->actions();
    QCOMPARE(topLevel.size(), order.size());
    QAction* top = topLevel.at(order.indexOf(menu));
    QCOMPARE(top->text(), title);
    QCOMPARE(top->menu()->objectName(), menu);

    const QList<QAction*> entries = top->menu()->actions();
    QCOMPARE(entries.size(), items.size());
    for (int i = 0; i < entries.size(); ++i) {
        QCOMPARE(entries[i]->objectName(), items[i]);
        QCOMPARE(entries[i]->text(), captions[i]);
        QVERIFY(entries[i]->shortcut().isEmpty());
    }
}

void FrmMainTest::menuItemsCarryNoAccessKeys()
{
    for (QAction* top : m_window->menuBar()->actions()) {
        QVERIFY(!top->text().contains(u'&'));
        for (QAction* item : top->menu()->actions())
            QVERIFY(!item->text().contains(u'&'));
    }
}

void FrmMainTest::setRodsShowsOnlyNotice()
{
    action("mnuSet01")->trigger();
    QCOMPARE(m_env->messages.boxes.size(), 1);
    QCOMPARE(m_env->messages.boxes[0].text, QStringLiteral("暂无此功能"));
    QVERIFY(!m_env->messages.boxes[0].information);
    QVERIFY(m_env->browser.opened.isEmpty());
    QVERIFY(startupPicture()->isVisible());
    QVERIFY(numberShow()->isActive());
}

void FrmMainTest::helpShowsTextThenOpensShop()
{
    int pagesOpenWhileBoxShown = -1;
    m_env->messages.whileOpen = [&](const RecordingMessages::Box&) {
        pagesOpenWhileBoxShown = static_cast<int>(m_env->browser.opened.size());
    };
    action("mnuHelp01")->trigger();

    QCOMPARE(m_env->messages.boxes.size(), 1);
    QVERIFY(m_env->messages.boxes[0].information);
    QCOMPARE(m_env->messages.boxes[0].text.toUtf8(),
             QByteArray("本软件是青禾小筑的系列游戏软件之一，因时间关系，只完成了一小部分，\r\n"
                        "请关注我们的主页，我们会持续更新\r\n"
                        "使用说明请看我们主页\r\n"));
    QCOMPARE(pagesOpenWhileBoxShown, 0);
    QCOMPARE(m_env->browser.opened, QStringList{frmMain::ShopPage});
}

void FrmMainTest::homePageOpensWithoutMessage()
{
    action("mnuHelpUrl")->trigger();
    QCOMPARE(m_env->browser.opened, QStringList{frmMain::HomePage});
    QVERIFY(m_env->messages.boxes.isEmpty());
    QVERIFY(m_window->windowTitle().startsWith(QStringLiteral("青禾小筑--之灵犀数坊 官网:")));
    QVERIFY(m_window->windowTitle().endsWith(frmMain::HomePage));
    QVERIFY(QUrl(frmMain::HomePage).host().endsWith(QStringLiteral(".example")));
    QVERIFY(QUrl(frmMain::ShopPage).host().endsWith(QStringLiteral(".example")));
}

void FrmMainTest::aboutShowsNotice()
{
    action("mnuHelpAbout")->trigger();
    QCOMPARE(m_env->messages.boxes.size(), 1);
    QVERIFY(m_env->messages.boxes[0].information);
    QCOMPARE(m_env->messages.boxes[0].text, frmMain::AboutText());
    QVERIFY(m_env->browser.opened.isEmpty());
}

void FrmMainTest::idleAbacusIsBlackBeforeFirstTick()
{
    auto* surface = m_window->findChild<PictureBox*>(QStringLiteral("pic2"));
    QVERIFY(surface);
    const QImage picture = surface->picture();
    for (int y = 0; y < picture.height(); y += 7)
        for (int x = 0; x < picture.width(); x += 7)
            QCOMPARE(picture.pixelColor(x, y), QColor(Qt::black));
    QCOMPARE(m_window->Abacus().Cols(), 5);
    QVERIFY(ProgramWide::ColorfulBeads);
}

void FrmMainTest::idleShowDrawsColourfulNumber()
{
    m_env->random.queue({0.5f});
    m_window->timShow_Timer();
    const double expected = std::floor(0.5 * 89999) + 10000;
    QCOMPARE(m_window->CurrentNum(), expected);
    QCOMPARE(m_window->Abacus().Value(), expected);
    QCOMPARE(numberShow()->interval(), 500);
    // One reseed for the tick, then one before every bead of the random colouring.
    QCOMPARE(m_env->random.reseeds, 1 + 25);
}

void FrmMainTest::idleShowNeverRepeatsANumber()
{
    m_env->random.queue({0.25f});
    m_window->timShow_Timer();
    const double first = m_window->CurrentNum();
    const int reseedsBefore = m_env->random.reseeds;
    // The same draw twice must be rejected without reseeding in between.
    m_env->random.queue({0.25f, 0.25f, 0.75f});
    m_window->timShow_Timer();
    QVERIFY(m_window->CurrentNum() != first);
    QCOMPARE(m_window->CurrentNum(), std::floor(0.75 * 89999) + 10000);
    QCOMPARE(m_env->random.reseeds - reseedsBefore, 1 + 25);
}

void FrmMainTest::idleShowRange_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<double>("shown");
    QTest::addRow("lowest") << 0.0f << 10000.0;
    QTest::addRow("highest") << std::nextafter(1.0f, 0.0f) << 99998.0;
    QTest::addRow("middle") << 0.5f << 54999.0;
}

void FrmMainTest::idleShowRange()
{
    QFETCH(float, r);
    QFETCH(double, shown);
    m_env->random.queue({r});
    m_window->timShow_Timer();
    QCOMPARE(m_window->CurrentNum(), shown);
}

void FrmMainTest::windowCommandHidesStartupPicture_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<Opener>("opens");
    QTest::addRow("mnuLearnZhu") << "mnuLearnZhu" << Opener([](frmMain& w) -> ExerciseWindow& { return w.Train01(); });
    QTest::addRow("mnuTrance01") << "mnuTrance01" << Opener([](frmMain& w) -> ExerciseWindow& { return w.Train03(); });
    QTest::addRow("mnuTrance02") << "mnuTrance02" << Opener([](frmMain& w) -> ExerciseWindow& { return w.Train02(); });
    QTest::addRow("mnuShow01_9Add") << "mnuShow01_9Add"
                                    << Opener([](frmMain& w) -> ExerciseWindow& { return w.Show9(); });
    QTest::addRow("mnuGame01_识珠") << "mnuGame01_识珠"
                                  << Opener([](frmMain& w) -> ExerciseWindow& { return w.Train03(); });
}

void FrmMainTest::windowCommandHidesStartupPicture()
{
    QFETCH(QString, item);
    QFETCH(Opener, opens);
    ProgramWide::ColorfulBeads = true;
    m_window->findChild<QAction*>(item)->trigger();
    ChildWindow& window = opens(*m_window);
    QVERIFY(window.IsLoaded());
    QCOMPARE(m_window->Workspace().activeSubWindow(), window.Frame());
    QVERIFY(window.Frame()->isMaximized());
    QCOMPARE(m_window->Workspace().subWindowList().size(), 1);
    QVERIFY(!startupPicture()->isVisible());
    QVERIFY(!numberShow()->isActive());
    QVERIFY(m_env->messages.boxes.isEmpty());
}

void FrmMainTest::flashOpensLikeTheOthers()
{
    ProgramWide::ColorfulBeads = true;
    action("mnuTrance03")->trigger();
    action("mnuTrance03")->trigger();
    QVERIFY(m_window->Flash().Frame()->isMaximized());
    QCOMPARE(m_window->Flash().Frame()->windowTitle(), QStringLiteral("闪电心算"));
    QCOMPARE(m_window->Workspace().subWindowList().size(), 1);
    QVERIFY(!startupPicture()->isVisible());
    QVERIFY(!ProgramWide::ColorfulBeads);
}

void FrmMainTest::showAgainBringsStartupPictureBack()
{
    action("mnuSet01")->trigger();
    action("mnuTrance02")->trigger();
    ProgramWide::ColorfulBeads = false;
    m_window->ShowAgain();
    QVERIFY(startupPicture()->isVisible());
    QVERIFY(numberShow()->isActive());
    QVERIFY(ProgramWide::ColorfulBeads);
}

void FrmMainTest::startupPictureCoversWorkspace()
{
    m_window->resize(900, 700);
    QTRY_COMPARE(startupPicture()->width(), m_window->Workspace().width());
    QCOMPARE(startupPicture()->pos(), QPoint(0, 0));
    QVERIFY(startupPicture()->height() >= m_window->Workspace().height());
}

void FrmMainTest::workspaceHasDesignedSize()
{
    QCOMPARE(frmMain::DesignedClientSize(), QSize(1156, 746));
    QCOMPARE(m_window->Workspace().size(), frmMain::DesignedClientSize());
}

void FrmMainTest::fitsTheScreen_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<bool>("designedSize");
    QTest::addRow("1920 x 1080 with a panel") << QRect(0, 0, 1920, 1040) << true;
    QTest::addRow("1366 x 768") << QRect(0, 0, 1366, 768) << false;
    QTest::addRow("1366 x 768 with a panel") << QRect(0, 28, 1366, 740) << false;
    QTest::addRow("1280 x 1024") << QRect(0, 0, 1280, 1024) << true;
}

void FrmMainTest::fitsTheScreen()
{
    QFETCH(QRect, available);
    QFETCH(bool, designedSize);
    QCOMPARE(frmMain::FitsOn(m_window->size(), available, 30), designedSize);
}

void FrmMainTest::smallScreenMaximisesTheWindow()
{
    // The offscreen test screen, 800 x 800, is smaller than the design.
    frmMain fitted;
    fitted.ShowFitted();
    QVERIFY(fitted.isMaximized());
    QTRY_VERIFY(fitted.screen()->availableGeometry().contains(fitted.frameGeometry()));
}

void FrmMainTest::startupLabels_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<double>("pointSize");
    const QColor purple(128, 0, 128), red(255, 0, 0);
    QTest::addRow("Label1_0") << "Label1_0" << "青禾小筑系列软件" << TwipsRect(4680, 1080, 6480, 720) << purple << 36.0;
    QTest::addRow("Label2_0") << "Label2_0" << "灵 犀 数 坊" << TwipsRect(2520, 2580, 10080, 1455) << red << 72.0;
    QTest::addRow("Label2_1") << "Label2_1" << "V1.0" << TwipsRect(12300, 4380, 2040, 960) << red << 48.0;
    QTest::addRow("Label1_4") << "Label1_4" << QString() << TwipsRect(9000, 5880, 3420, 525) << purple << 26.25;
    QTest::addRow("Label1_5") << "Label1_5" << QString() << TwipsRect(9000, 6840, 5700, 525) << purple << 26.25;
    QTest::addRow("Label1_2") << "Label1_2" << QString() << TwipsRect(9000, 7800, 3240, 525) << purple << 26.25;
    QTest::addRow("Label1_3") << "Label1_3" << QString() << TwipsRect(9000, 8760, 5955, 525) << purple << 26.25;
    QTest::addRow("Label1_1") << "Label1_1" << QString() << TwipsRect(4200, 9480, 8595, 525) << purple << 26.25;
}

void FrmMainTest::startupLabels()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, place);
    QFETCH(QColor, colour);
    QFETCH(double, pointSize);
    auto* label = startupPicture()->findChild<QLabel*>(name);
    QVERIFY(label);
    CheckDesignedPlace(*label, place);
    // The contact lines' texts are the maker's own; any is right that is there.
    QVERIFY(caption.isEmpty() ? !label->text().isEmpty() : label->text() == caption);
    QCOMPARE(label->palette().color(QPalette::WindowText), colour);
    QCOMPARE(label->font().pointSizeF(), pointSize);
    QCOMPARE(label->font().weight(), QFont::Normal);
}

void FrmMainTest::ruleLineFollowsThePlayback()
{
    auto* line = m_window->findChild<QLabel*>(QStringLiteral("labRule"));
    QVERIFY(line->font().pointSizeF() >= 14);
    QCOMPARE(m_window->statusBar()->accessibleName(), QStringLiteral("珠算口诀"));
    action("mnuTrance02")->trigger();
    frmTrain02& window = m_window->Train02();
    window.Canvas()->findChild<QLineEdit*>(QStringLiteral("txtChange0"))->setText(QStringLiteral("52"));
    window.Canvas()->findChild<QLineEdit*>(QStringLiteral("txtChange1"))->setText(QStringLiteral("-3"));
    QString duringFirstFrame;
    m_env->waiter.duringWait = [&](int wait) {
        if (wait == 1)
            duringFirstFrame = line->text();
    };
    QTest::mouseClick(window.Canvas()->findChild<QPushButton*>(QStringLiteral("cmdOk2")), Qt::LeftButton);
    QCOMPARE(duringFirstFrame, QStringLiteral("十位 加5：五上五"));
    QCOMPARE(line->text(), QStringLiteral("52 \u2212 3 = 49"));
    QCOMPARE(QAccessible::queryAccessibleInterface(line)->text(QAccessible::Name), line->text());
    QCoreApplication::processEvents();
    QCOMPARE(m_window->Workspace().size(), frmMain::DesignedClientSize());

    window.Unload();
    QCOMPARE(line->text(), QString());
}

void FrmMainTest::startupLabelsReachTheScreenReader()
{
    const QStringList names = accessibleNames(QAccessible::queryAccessibleInterface(m_window.get()));
    const QList<QLabel*> labels = startupPicture()->findChildren<QLabel*>();
    QCOMPARE(labels.size(), 8);
    for (const QLabel* label : labels)
        QVERIFY2(names.contains(label->text()), qPrintable(label->text()));
    QVERIFY(names.contains(QStringLiteral("算盘")));
}

void FrmMainTest::abacusTellsTheScreenReader_data()
{
    windowCommandHidesStartupPicture_data();
    QTest::addRow("start-up picture") << QString() << Opener(nullptr);
}

void FrmMainTest::abacusTellsTheScreenReader()
{
    QFETCH(QString, item);
    QFETCH(Opener, opens);
    cAbacus* abacus = &m_window->Abacus();
    QWidget* pic = m_window->findChild<PictureBox*>(QStringLiteral("pic2"));
    if (opens) {
        action(item.toUtf8().constData())->trigger();
        ExerciseWindow& window = opens(*m_window);
        abacus = &window.Abacus();
        pic = window.Canvas()->findChild<PictureBox*>(QStringLiteral("pic"));
        for (QLineEdit* box : window.Canvas()->findChildren<QLineEdit*>())
            QVERIFY2(!QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name).isEmpty(),
                     qPrintable(box->objectName()));
    }
    g_valuesAnnounced.clear();
    const AccessibleAbacus::Listener before = AccessibleAbacus::SetListener(recordValueChange);
    abacus->Draw(1234);
    abacus->Draw(1234);
    double from = -1;
    double one = 1;
    QVERIFY(abacus->AddNum(from, one));
    AccessibleAbacus::SetListener(before);

    // Once per new number, not at every frame of the move.
    QCOMPARE(g_valuesAnnounced, QList<double>({1234, 1235}));
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(pic);
    QCOMPARE(spoken->text(QAccessible::Name), QStringLiteral("算盘"));
    QCOMPARE(spoken->text(QAccessible::Description), QStringLiteral("1235"));
    QCOMPARE(spoken->valueInterface()->currentValue().toDouble(), 1235.0);
    const int rods = abacus->Cols();
    QAccessibleInterface* tens = spoken->child(spoken->childCount() - 2);
    QCOMPARE(tens->text(QAccessible::Description), QStringLiteral("第%1档：3").arg(rods - 1));
    QCOMPARE(tens->parent(), spoken);
}

void FrmMainTest::windowsScaleAsOne_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<Opener>("opens");
    QTest::addColumn<bool>("beadsMove");
    QTest::addColumn<double>("factor");
    for (const auto& [item, opens, beadsMove] : DesignedWindows) {
        for (double factor : {0.8, 1.0, 1.4, 2.0})
            QTest::addRow("%s at %g", item, factor) << item << opens << beadsMove << factor;
    }
}

// Controls beyond the designed area keep their size and may only move out of the way.
void FrmMainTest::windowsScaleAsOne()
{
    QFETCH(QString, item);
    QFETCH(Opener, opens);
    QFETCH(bool, beadsMove);
    QFETCH(double, factor);
    action(item.toUtf8().constData())->trigger();
    ExerciseWindow& window = opens(*m_window);
    QHash<QWidget*, std::pair<QRect, double>> designed;
    for (QWidget* control : window.Canvas()->findChildren<QWidget*>())
        designed[control] = {control->geometry(), control->font().pointSizeF()};
    window.ScaleTo(factor);
    for (auto [control, design] : designed.asKeyValueRange()) {
        const auto [place, pointSize] = design;
        const bool beyond = control->parentWidget() == window.Canvas()
            && !QRect(QPoint(0, 0), window.DesignedClientSize()).contains(place);
        const double f = beyond ? 1 : factor;
        // A label grows to show its whole caption.
        const QSize least = qobject_cast<QLabel*>(control) ? control->sizeHint() : QSize(0, 0);
        const double dx = control->x() - place.x() * f, dy = control->y() - place.y() * f;
        const double dw = control->width() - std::max(place.width() * f, 1.0 * least.width());
        const double dh = control->height() - std::max(place.height() * f, 1.0 * least.height());
        QVERIFY2(std::abs(dy) <= 1 && (beyond ? dx >= 0 : std::abs(dx) <= 1) && std::abs(dw) <= 1 && std::abs(dh) <= 1,
                 qPrintable(control->objectName()));
        QCOMPARE(control->font().pointSizeF(), pointSize * f);
    }

    auto* pic = window.Canvas()->findChild<PictureBox*>(QStringLiteral("pic"));
    const QPoint upperBead = pic->toWidget(QPointF(30, 95)).toPoint();
    const double shown = window.Abacus().Value();
    QTest::mouseMove(pic, upperBead);
    QTest::mouseClick(pic, Qt::LeftButton, {}, upperBead);
    QCOMPARE(window.Abacus().Value(), beadsMove ? 5 * std::pow(10, window.Abacus().Cols() - 1) : shown);
}

// Enlarged, the window is centred and as large as fits; else in the top left
// corner, as designed or just small enough to fit. The choice is kept, the
// rule line grows with the workspace, and a playback goes on while the window
// takes its new size.
void FrmMainTest::enlargingFitsTheWorkspace()
{
    QCOMPARE(QSettings().allKeys(), QStringList());
    auto* line = m_window->findChild<QLabel*>(QStringLiteral("labRule"));
    const int normalBar = m_window->statusBar()->height();
    action("mnuTrance02")->trigger();
    frmTrain02& window = m_window->Train02();
    // The corners of its design: the abacus, the rule under the operands, the close button.
    const auto at = [&window](const char* name) { return window.Canvas()->findChild<QWidget*>(name)->geometry(); };
    const auto around = [&at] { return at("pic") | at("Line1") | at("cmkQuit"); };
    const QRect designed = around();
    // Between the box of the design (from the canvas's corner) and the edges of the window.
    const auto margins = [&] {
        const QRect shown = around();
        const QPoint origin = shown.topLeft() - (QPointF(designed.topLeft()) * window.Factor()).toPoint();
        const QSize room = qobject_cast<QScrollArea*>(window.Frame()->widget())->viewport()->size();
        return QMargins(origin.x(), origin.y(), room.width() - shown.right() - 1, room.height() - shown.bottom() - 1);
    };

    action("mnuSet02")->setChecked(true);
    QCOMPARE(QSettings().value(QSettings().allKeys().value(0)), QVariant(true));
    window.Canvas()->findChild<QLineEdit*>(QStringLiteral("txtChange0"))->setText(QStringLiteral("52"));
    m_env->waiter.duringWait = [&](int) {
        m_window->resize(1920, 1080);
        QCoreApplication::processEvents();
    };
    QTest::mouseClick(window.Canvas()->findChild<QPushButton*>(QStringLiteral("cmdOk2")), Qt::LeftButton);
    QCOMPARE(window.Abacus().Value(), 52.0);
    QVERIFY(std::abs(margins().left() - margins().right()) <= 1 && std::abs(margins().top() - margins().bottom()) <= 1);
    QVERIFY(window.Factor() > 1 && std::min(margins().left(), margins().top()) <= 1);
    const int besideNormalLine = m_window->Workspace().height() + m_window->statusBar()->height() - normalBar;
    QVERIFY(std::abs(line->font().pointSizeF() / 18 * 746 - besideNormalLine) <= 2);
    m_window->resize(2560, 1440);  // wide enough for the controls beyond the design to overflow only when enlarged
    QCoreApplication::processEvents();
    QVERIFY(window.Factor() > 1.5 && margins().bottom() >= 0);

    action("mnuSet02")->setChecked(false);
    QCOMPARE(QSettings().value(QSettings().allKeys().value(0)), QVariant(false));
    QCOMPARE(line->font().pointSizeF(), 18.0);
    m_window->resize(1366, 700);
    QCoreApplication::processEvents();
    QVERIFY(window.Factor() < 1 && margins().left() == 0 && margins().top() == 0 && margins().bottom() <= 1);
}

// Chosen in 01 选择孩子: named at the right of the status bar, beside the
// rule line, and the exercises' results go to the records.
void FrmMainTest::chosenChildIsNamedAndKeepsResults()
{
    m_window->Keeper().Add(QStringLiteral("小明"));
    QTimer::singleShot(0, this, [] {
        auto* dialog = qobject_cast<frmChildren*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->findChild<QListWidget*>()->setCurrentRow(0);
        dialog->findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
    });
    action("mnuRecords01")->trigger();
    auto* child = m_window->statusBar()->findChild<QLabel*>(QStringLiteral("labChild"));
    QCOMPARE(child->text(), QStringLiteral("孩子：小明"));
    const QLabel* rule = m_window->findChild<QLabel*>(QStringLiteral("labRule"));
    QVERIFY(child->isVisible() && child->x() > rule->geometry().right());
    QCOMPARE(&Course::Results(), &m_window->Keeper());
    m_window.reset();
    QCOMPARE(&Course::Results(), &Course::NoResults());
}

QTEST_MAIN(FrmMainTest)
#include "tst_frmmain.moc"

#include "shell/frmMain.h"

#include "abacus/ProgramWide.h"
#include "demo/frmShow9.h"
#include "exercises/AccessibleAbacus.h"
#include "exercises/frmTrain01.h"
#include "exercises/frmTrain03.h"
#include "mental/frmFlash.h"
#include "mental/frmListen.h"
#include "platform/Fonts.h"
#include "platform/Platform.h"
#include "platform/PictureBox.h"
#include "platform/ChildWindow.h"
#include "platform/Twips.h"
#include "platform/WorkspaceFit.h"
#include "progress/frmChildren.h"
#include "progress/frmRecords.h"
#include "records/RecordFile.h"
#include "records/RecordKeeper.h"
#include "shell/RuleLine.h"
#include "platform/modsub.h"
#include "training/frmTrain02.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

const QString frmMain::HomePage = QStringLiteral("https://www.qinghexiaozhu.example/");
const QString frmMain::ShopPage = QStringLiteral("https://shop.qinghexiaozhu.example/");

namespace {

constexpr int ShowIntervalMs = 500;
// Large enough for a child to read the bead rule while the beads move.
constexpr double RuleLineNormalPointSize = 18;
constexpr QColor Purple(128, 0, 128);
constexpr QColor Red(255, 0, 0);

struct LabelDesign {
    const char* name;
    const char* caption;
    int left, top, width, height;
    QColor colour;
    double pointSize;
};

// The start-up picture's labels, in their designed places.
const LabelDesign StartupLabels[] = {
    {"Label1_0", "青禾小筑系列软件", 4680, 1080, 6480, 720, Purple, 36},
    {"Label2_0", "灵 犀 数 坊", 2520, 2580, 10080, 1455, Red, 72},
    {"Label2_1", "V1.0", 12300, 4380, 2040, 960, Red, 48},
    {"Label1_4", "联系：王老师", 9000, 5880, 3420, 525, Purple, 26.25},
    {"Label1_5", "电话：010-60000000", 9000, 6840, 5700, 525, Purple, 26.25},
    {"Label1_2", "QQ：800000", 9000, 7800, 3240, 525, Purple, 26.25},
    {"Label1_3", "邮箱：hi@qinghe.example", 9000, 8760, 5955, 525, Purple, 26.25},
    {"Label1_1", "地址：北京市海淀区青禾路1号青禾小筑", 4200, 9480, 8595, 525, Purple, 26.25},
};

}  // namespace

frmMain::frmMain()
    : m_keeper(std::make_unique<RecordKeeper>(RecordFile::DefaultPath()))
{
    createControls();
    createMenus();
    createFitItem();
    resizeToDesign();
    MDIForm_Load();
}

// The abacus is a member: it goes before the picture, a child widget.
frmMain::~frmMain() { AccessibleAbacus::Release(*pic2); }

QString frmMain::HelpText()
{
    const QString lineBreak = QStringLiteral("\r\n");
    return QStringLiteral("本软件是青禾小筑的系列游戏软件之一，因时间关系，只完成了一小部分，") + lineBreak
        + QStringLiteral("请关注我们的主页，我们会持续更新") + lineBreak + QStringLiteral("使用说明请看我们主页")
        + lineBreak;
}

QString frmMain::AboutText()
{
    return QStringLiteral("灵犀数坊 V1.0\r\n"
                          "青禾小筑系列软件之一：珠算识珠、加减训练与9遍9演示。\r\n"
                          "本软件供家庭和课堂免费使用。\r\n"
                          "版权所有 © 青禾小筑\r\n"
                          "本软件以 GNU 通用公共许可证第3版或更新版本（GPL-3.0-or-later）发布。");
}

void frmMain::createControls()
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("青禾小筑--之灵犀数坊 官网:") + HomePage);

    // The start-up picture lies over the workspace while no exercise is open.
    // Both are children of one client area: on the workspace itself the
    // picture's labels would be out of a screen reader's reach.
    auto* clientArea = new QWidget(this);
    auto* fill = new QVBoxLayout(clientArea);
    fill->setContentsMargins(0, 0, 0, 0);
    m_workspace = new QMdiArea(clientArea);
    m_workspace->setObjectName(QStringLiteral("workspace"));
    fill->addWidget(m_workspace);
    setCentralWidget(clientArea);
    pic = new QWidget(clientArea);
    pic->setObjectName(QStringLiteral("pic"));
    pic->setAutoFillBackground(true);
    pic->installEventFilter(this);
    pic2 = new PictureBox(pic);
    pic2->setObjectName(QStringLiteral("pic2"));
    pic2->setGeometry(TwipsRect(1080, 4680, 7095, 3855));
    createLabels();
    createRuleLine();

    timShow = new QTimer(this);
    timShow->setObjectName(QStringLiteral("timShow"));
    timShow->setInterval(ShowIntervalMs);
    connect(timShow, &QTimer::timeout, this, &frmMain::timShow_Timer);
}

QSize frmMain::DesignedClientSize() { return {Twips(17340), Twips(11190)}; }

// The menu bar takes its height from its menus, so this waits until they exist.
void frmMain::resizeToDesign()
{
    const int bars = menuBar()->sizeHint().height() + statusBar()->sizeHint().height();
    resize(DesignedClientSize() + QSize(0, bars));
}

bool frmMain::FitsOn(QSize window, const QRect& available, int titleBar)
{
    return window.width() <= available.width() && window.height() + titleBar <= available.height();
}

void frmMain::ShowFitted()
{
    // The desktop's title bar is known only once the window is shown; the
    // style's own makes a fair estimate of it.
    const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const QRect available = screen()->availableGeometry();
    if (FitsOn(size(), available, titleBar)) {
        show();
        return;
    }
    // Where no window manager maximises it, the window still takes no more than the screen has.
    setGeometry(available);
    showMaximized();
}

// Below the designed client area: the bead rule of each step an exercise plays.
void frmMain::createRuleLine()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("sbrRule"));
    bar->setAccessibleName(QStringLiteral("珠算口诀"));
    bar->setSizeGripEnabled(false);
    labRule = new QLabel(bar);
    labRule->setObjectName(QStringLiteral("labRule"));
    labRule->setFont(Fonts::Song(RuleLineNormalPointSize));
    labRule->setContentsMargins(Twips(120), Twips(30), Twips(120), Twips(30));
    bar->addWidget(labRule, 1);
    m_ruleLine = std::make_unique<RuleLine>(*labRule);
    labChild = new QLabel(bar);
    labChild->setObjectName(QStringLiteral("labChild"));
    labChild->setContentsMargins(Twips(120), 0, Twips(120), 0);
    labChild->hide();
    bar->addPermanentWidget(labChild);
}

void frmMain::createLabels()
{
    for (const LabelDesign& design : StartupLabels) {
        auto* label = new QLabel(QString::fromUtf8(design.caption), pic);
        label->setObjectName(QString::fromLatin1(design.name));
        label->setFont(Fonts::Song(design.pointSize));
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, design.colour);
        label->setPalette(palette);
        label->setGeometry(TwipsRect(design.left, design.top, design.width, design.height));
        Fonts::FitText(*label);
    }
}

void frmMain::createMenus()
{
    struct Item {
        const char* name;
        const char* caption;
        void (frmMain::*command)();
    };
    struct Menu {
        const char* name;
        const char* caption;
        std::initializer_list<Item> items;
    };
    const Menu menus[] = {
        {"mnuLearn", "学习", {{"mnuLearnZhu", "01 识珠学习", &frmMain::mnuLearnZhu_Click}}},
        {"Train",
         "训练",
         {{"mnuTrance01", "01 识珠练习", &frmMain::mnuTrance01_Click},
          {"mnuTrance02", "02 加减训练", &frmMain::mnuTrance02_Click},
          {"mnuTrance03", "03 闪电心算", &frmMain::mnuTrance03_Click},
          {"mnuTrance04", "04 听心算", &frmMain::mnuTrance04_Click}}},
        {"mnuShow", "演示", {{"mnuShow01_9Add", "01 演示9遍9", &frmMain::mnuShow01_9Add_Click}}},
        {"mnuGame", "游戏", {{"mnuGame01_识珠", "01 识珠游戏1", &frmMain::mnuGame01_识珠_Click}}},
        {"mnuRecords",
         "成绩",
         {{"mnuRecords01", "01 选择孩子", &frmMain::mnuRecords01_Click},
          {"mnuRecords02", "02 成绩记录", &frmMain::mnuRecords02_Click}}},
        {"mnuSet", "设置", {{"mnuSet01", "设置算盘位数", &frmMain::mnuSet01_Click}}},
        {"mnuHelp",
         "帮助",
         {{"mnuHelp01", "帮助", &frmMain::mnuHelp01_Click},
          {"mnuHelpUrl", "官网", &frmMain::mnuHelpUrl_Click},
          {"mnuHelpAbout", "关于", &frmMain::mnuHelpAbout_Click}}},
    };
    for (const Menu& design : menus) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(design.caption));
        menu->setObjectName(QString::fromUtf8(design.name));
        for (const Item& item : design.items) {
            QAction* action = menu->addAction(QString::fromUtf8(item.caption));
            action->setObjectName(QString::fromUtf8(item.name));
            connect(action, &QAction::triggered, this, item.command);
        }
    }
}

void frmMain::createFitItem()
{
    auto* settings = menuBar()->findChild<QMenu*>(QStringLiteral("mnuSet"));
    QAction* item = settings->addAction(QStringLiteral("放大到窗口"));
    item->setObjectName(QStringLiteral("mnuSet02"));
    item->setCheckable(true);
    item->setChecked(WorkspaceFit::Enlarging());
    connect(item, &QAction::toggled, this, &frmMain::mnuSet02_Click);
}

// While the windows are enlarged the bead-rule line grows with the workspace,
// as it would be beside the line at its normal size, so that the back of a
// classroom can read it. Set before the windows take their new size (they
// wait for the event loop), so that they fit the workspace the line leaves.
void frmMain::fitRuleLine()
{
    double pointSize = RuleLineNormalPointSize;
    if (WorkspaceFit::Enlarging()) {
        const int growth = QFontMetrics(labRule->font()).height()
            - QFontMetrics(Fonts::Song(RuleLineNormalPointSize)).height();
        pointSize = std::max(RuleLineNormalPointSize, RuleLineNormalPointSize * (m_workspace->height() + growth)
                                                          / DesignedClientSize().height());
    }
    if (labRule->font().pointSizeF() == pointSize)
        return;
    labRule->setFont(Fonts::Song(pointSize));
    layout()->activate();
}

void frmMain::MDIForm_Load()
{
    m_abacus.Init(pic2, 5);
    AccessibleAbacus::Attach(*pic2, m_abacus);
    ProgramWide::ColorfulBeads = true;
    timShow->start();
}

void frmMain::MDIForm_Resize() { pic->setGeometry(0, 0, centralWidget()->width(), frameGeometry().height()); }

void frmMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    fitRuleLine();
    MDIForm_Resize();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    event->accept();
    modsub::EndProgram();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == pic && event->type() == QEvent::MouseButtonRelease)
        pic_Click();
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::timShow_Timer()
{
    timShow->setInterval(ShowIntervalMs);
    RandomSource& random = ProgramWide::Random();
    random.Randomize();
    double n = 0;
    do {
        n = std::floor(static_cast<double>(random.Rnd()) * 89999) + 10000;
    } while (n == m_CurrentNum);
    m_CurrentNum = n;
    m_abacus.Draw(n);
}

void frmMain::pic_Click() { pic->setVisible(true); }

void frmMain::ShowAgain()
{
    pic->setVisible(true);
    timShow->start();
    ProgramWide::ColorfulBeads = true;
}

frmTrain01& frmMain::Train01()
{
    if (!m_frmTrain01)
        m_frmTrain01 = std::make_unique<frmTrain01>();
    return *m_frmTrain01;
}

frmTrain02& frmMain::Train02()
{
    if (!m_frmTrain02) {
        m_frmTrain02 = std::make_unique<frmTrain02>([this] { ShowAgain(); });
        m_frmTrain02->Abacus().addObserver(m_ruleLine.get());
    }
    return *m_frmTrain02;
}

frmTrain03& frmMain::Train03()
{
    if (!m_frmTrain03)
        m_frmTrain03 = std::make_unique<frmTrain03>();
    return *m_frmTrain03;
}

frmShow9& frmMain::Show9()
{
    if (!m_frmShow9) {
        m_frmShow9 = std::make_unique<frmShow9>(&modsub::EndProgram);
        m_frmShow9->Abacus().addObserver(m_ruleLine.get());
    }
    return *m_frmShow9;
}

frmFlash& frmMain::Flash()
{
    if (!m_frmFlash)
        m_frmFlash = std::make_unique<frmFlash>();
    return *m_frmFlash;
}

frmListen& frmMain::Listen()
{
    if (!m_frmListen)
        m_frmListen = std::make_unique<frmListen>();
    return *m_frmListen;
}

frmRecords& frmMain::Records()
{
    if (!m_frmRecords)
        m_frmRecords = std::make_unique<frmRecords>(*m_keeper);
    return *m_frmRecords;
}

void frmMain::OpenRecords()
{
    m_keeper->OpenAtStart();
    connectRecords();
}

// The exercises hand their results to the records only while a child is chosen.
void frmMain::connectRecords()
{
    const bool recording = m_keeper->Recording();
    Course::SetResults(recording ? static_cast<ResultSink&>(*m_keeper) : Course::NoResults());
    labChild->setText(recording ? QStringLiteral("孩子：") + m_keeper->Chosen()->name : QString());
    labChild->setVisible(recording);
}

void frmMain::openWindow(ChildWindow& window)
{
    pic->setVisible(false);
    timShow->stop();
    window.Show(*m_workspace);
}

void frmMain::mnuLearnZhu_Click() { openWindow(Train01()); }
void frmMain::mnuTrance01_Click() { openWindow(Train03()); }
void frmMain::mnuTrance02_Click() { openWindow(Train02()); }
void frmMain::mnuTrance03_Click() { openWindow(Flash()); }
void frmMain::mnuTrance04_Click() { openWindow(Listen()); }
void frmMain::mnuShow01_9Add_Click() { openWindow(Show9()); }
void frmMain::mnuGame01_识珠_Click() { openWindow(Train03()); }

void frmMain::mnuRecords01_Click()
{
    frmChildren dialog(*m_keeper, this);
    dialog.exec();
    connectRecords();
    if (m_frmRecords)
        m_frmRecords->Refresh();
}

void frmMain::mnuRecords02_Click()
{
    const bool loaded = Records().IsLoaded();
    openWindow(Records());
    // A window already open shows the results kept since.
    if (loaded)
        Records().Refresh();
}

void frmMain::mnuSet01_Click() { Platform::Messages().Plain(QStringLiteral("暂无此功能")); }

void frmMain::mnuSet02_Click(bool enlarging)
{
    WorkspaceFit::Choose(enlarging);
    fitRuleLine();
    for (ChildWindow* window : std::initializer_list<ChildWindow*>{m_frmTrain01.get(), m_frmTrain02.get(),
                                                                    m_frmTrain03.get(), m_frmShow9.get()}) {
        if (window)
            window->Fit();
    }
}

void frmMain::mnuHelp01_Click()
{
    Platform::Messages().Information(HelpText());
    if (!modsub::ProgramEnding())
        modsub::OpenWebPage(ShopPage);
}

void frmMain::mnuHelpUrl_Click() { modsub::OpenWebPage(HomePage); }

void frmMain::mnuHelpAbout_Click() { Platform::Messages().Information(AboutText()); }

// The designed controls of frmTrain02, in their places; the behaviour is in frmTrain02.cpp.
#include "training/frmTrain02.h"

#include "platform/ChoiceList.h"
#include "platform/Fonts.h"
#include "platform/PictureBox.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr double WindowPointSize = 14.25;
constexpr double MarkPointSize = 36;
constexpr double AnswerButtonPointSize = 21.75;
constexpr double StatusPointSize = 15.75;

struct LabelDesign {
    const char* name;
    const char* caption;
    int left, top, width, height;
};

const LabelDesign SettingLabels[] = {
    {"Label1_0", "出题类型：", 300, 9600, 1425, 345},
    {"Label1_1", "位数：", 4080, 9600, 1425, 345},
    {"Label2", "出题数目：", 7860, 9600, 1425, 345},
    {"Label3", "每道题时间：", 10440, 9600, 1710, 345},
};

}  // namespace

// The run's controls lie beyond it; the canvas reaches them.
QSize frmTrain02::DesignedClientSize() const { return QSize(Twips(28680), Twips(13155)); }

void frmTrain02::CreateControls(QWidget& canvas)
{
    canvas.setFont(Fonts::Tahoma(WindowPointSize));
    createPicture(canvas);
    createSettingControls(canvas);
    createQuestionControls(canvas);
    createRunControls(canvas);
    createHiddenControls(canvas);
    Timer1 = CreateTimer("Timer1", 1);
    // The abacus first: it is where the child works the sum.
    SetTabOrder({pic, comStyle, comDig, txtNum, txtTime, cmdQ, cmkQuit, txtChange[0], txtChange[1], txtN4, cmdOk2,
                 txtDig, cmdStart, cmdExit});
    connectSignals();
}

void frmTrain02::createPicture(QWidget& canvas)
{
    CreatePic(canvas, TwipsRect(120, 180, 14355, 9030));
    LetChildMoveBeads();
    CreateNumButtons(*pic,
                     {TwipsRect(12840, 4320, 1050, 1080), TwipsRect(12840, 5580, 1050, 1080),
                      TwipsRect(12840, 6840, 1050, 1080)},
                     AnswerButtonPointSize);
    QPalette palette = cmdNum[0]->palette();
    palette.setColor(QPalette::Button, QColor(255, 224, 192));
    cmdNum[0]->setPalette(palette);
    // The run writes its answers here, but this window never shows them.
    for (const QPointer<QPushButton>& button : cmdNum)
        button->hide();

    fraShowNum = new QGroupBox(pic);
    fraShowNum->setObjectName(QStringLiteral("fraShowNum"));
    fraShowNum->setGeometry(TwipsRect(240, 240, 3600, 1320));
    fraShowNum->hide();
    labAddNum = CreateLabel(*fraShowNum, "labAddNum", QString(), TwipsRect(120, 300, 3360, 900), MarkPointSize);
    SetTextColour(*labAddNum, QColor(192, 0, 0));
}

void frmTrain02::createSettingControls(QWidget& canvas)
{
    for (const LabelDesign& design : SettingLabels) {
        CreateLabel(canvas, design.name, QString::fromUtf8(design.caption),
                    TwipsRect(design.left, design.top, design.width, design.height));
    }
    comStyle = createList(canvas, "comStyle", TwipsRect(1860, 9540, 1995, 465));
    comStyle->setAccessibleName(QStringLiteral("出题类型"));
    comDig = createList(canvas, "comDig", TwipsRect(4980, 9540, 2595, 465));
    comDig->setAccessibleName(QStringLiteral("位数"));
    txtNum = CreateTextBox(canvas, "txtNum", QStringLiteral("10"), TwipsRect(9360, 9525, 795, 495),
                           QStringLiteral("出题数目"));
    txtTime = CreateTextBox(canvas, "txtTime", QStringLiteral("5"), TwipsRect(12000, 9540, 975, 465),
                            QStringLiteral("每道题时间"));
    cmdQ = CreateButton(canvas, "cmdQ", QStringLiteral("出题"), TwipsRect(13260, 9480, 1230, 585));
    cmkQuit = CreateButton(canvas, "cmkQuit", QStringLiteral("关闭"), TwipsRect(15000, 9480, 1350, 585));
}

QComboBox* frmTrain02::createList(QWidget& canvas, const char* name, const QRect& place)
{
    auto* list = new ChoiceList(&canvas);
    list->setObjectName(QString::fromLatin1(name));
    list->setGeometry(place);
    return list;
}

void frmTrain02::createQuestionControls(QWidget& canvas)
{
    CreateLabel(canvas, "label6", QStringLiteral("列式加减:"), TwipsRect(14760, 3360, 1245, 345));
    txtChange[0] = CreateTextBox(canvas, "txtChange0", QString(), TwipsRect(15000, 4200, 1275, 495),
                                 QStringLiteral("第一个加数"));
    txtChange[1] = CreateTextBox(canvas, "txtChange1", QString(), TwipsRect(15000, 5160, 1275, 495),
                                 QStringLiteral("第二个加数"));

    Line1 = new QFrame(&canvas);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Plain);
    Line1->setLineWidth(1);
    Line1->setGeometry(QRect(QPoint(Twips(14640), Twips(6240)), QPoint(Twips(16560), Twips(6240))));

    txtN4 = CreateTextBox(canvas, "txtN4", QString(), TwipsRect(15000, 6480, 1335, 495), QStringLiteral("得数"));
    cmdOk2 = CreateButton(canvas, "cmdOk2", QStringLiteral("完成"), TwipsRect(15000, 7440, 1350, 585));
    labScore = CreateLabel(canvas, "labScore", QStringLiteral(" √"), TwipsRect(15060, 2160, 750, 870), MarkPointSize);
    SetTextColour(*labScore, QColor(255, 0, 0));
    labScore->hide();
}

void frmTrain02::createRunControls(QWidget& canvas)
{
    CreateLabel(canvas, "Label4", QStringLiteral("位数："), TwipsRect(29520, 7515, 855, 345));
    txtDig = CreateTextBox(canvas, "txtDig", QStringLiteral("1"), TwipsRect(30720, 7455, 615, 465), QStringLiteral("位数"));
    cmdStart = CreateButton(canvas, "cmdStart", QStringLiteral("开始"), TwipsRect(31920, 7440, 990, 480));
    cmdExit = CreateButton(canvas, "cmdExit", QStringLiteral("关闭"), TwipsRect(33720, 7440, 990, 480));
}

void frmTrain02::createHiddenControls(QWidget& canvas)
{
    labShow = CreateLabel(canvas, "labShow", QStringLiteral("计算结果："), TwipsRect(18120, 900, 1575, 375),
                          StatusPointSize);
    labShow->hide();
}

void frmTrain02::connectSignals()
{
    connect(cmdQ, &QPushButton::clicked, this, &frmTrain02::cmdQ_Click);
    connect(cmdOk2, &QPushButton::clicked, this, &frmTrain02::cmdOk2_Click);
    connect(cmkQuit, &QPushButton::clicked, this, &frmTrain02::cmkQuit_Click);
    connect(cmdStart, &QPushButton::clicked, this, &frmTrain02::cmdStart_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmTrain02::cmdExit_Click);
    connect(Timer1, &QTimer::timeout, this, &frmTrain02::Timer1_Timer);
    for (QLineEdit* operand : {txtChange[0].data(), txtChange[1].data()})
        connect(operand, &QLineEdit::textEdited, this, [this] { newQuestion(true); });
}

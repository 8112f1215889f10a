#include "DesignedPlace.h"
#include "TabStops.h"
#include "Train02Fixture.h"

#include "abacus/ProgramWide.h"
#include "platform/PictureBox.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>

#include <memory>

class tst_frmTrain02Layout : public QObject {
    Q_OBJECT

private slots:
    void controlInItsPlace_data();
    void controlInItsPlace();
    void labelsAtTheirPlaces_data();
    void labelsAtTheirPlaces();
    void windowCaptionAndFont();
    void listsHoldTheirItemsWithNothingSelected();
    void popupShowsEveryItemWhole();
    void ruleUnderTheOperands();
    void markIsLargeRedAndHidden();
    void hiddenRunControls();
    void canvasReachesTheRightHandControls();
    void tabReachesEveryControlInOrder();
    void loadShowsZeroOnFiveRodsAndKeepsBeadColouring_data();
    void loadShowsZeroOnFiveRodsAndKeepsBeadColouring();
};

void tst_frmTrain02Layout::controlInItsPlace_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QString>("text");

    QTest::addRow("pic") << "pic" << TwipsRect(120, 180, 14355, 9030) << QString();
    QTest::addRow("comStyle") << "comStyle" << TwipsRect(1860, 9540, 1995, 465) << QString();
    QTest::addRow("comDig") << "comDig" << TwipsRect(4980, 9540, 2595, 465) << QString();
    QTest::addRow("txtNum") << "txtNum" << TwipsRect(9360, 9525, 795, 495) << "10";
    QTest::addRow("txtTime") << "txtTime" << TwipsRect(12000, 9540, 975, 465) << "5";
    QTest::addRow("cmdQ") << "cmdQ" << TwipsRect(13260, 9480, 1230, 585) << "出题";
    QTest::addRow("cmkQuit") << "cmkQuit" << TwipsRect(15000, 9480, 1350, 585) << "关闭";
    QTest::addRow("txtChange0") << "txtChange0" << TwipsRect(15000, 4200, 1275, 495) << QString();
    QTest::addRow("txtChange1") << "txtChange1" << TwipsRect(15000, 5160, 1275, 495) << QString();
    QTest::addRow("txtN4") << "txtN4" << TwipsRect(15000, 6480, 1335, 495) << QString();
    QTest::addRow("cmdOk2") << "cmdOk2" << TwipsRect(15000, 7440, 1350, 585) << "完成";
    QTest::addRow("labScore") << "labScore" << TwipsRect(15060, 2160, 750, 870) << " √";
    QTest::addRow("txtDig") << "txtDig" << TwipsRect(30720, 7455, 615, 465) << "1";
    QTest::addRow("cmdStart") << "cmdStart" << TwipsRect(31920, 7440, 990, 480) << "开始";
    QTest::addRow("cmdExit") << "cmdExit" << TwipsRect(33720, 7440, 990, 480) << "关闭";
    QTest::addRow("cmdNum0") << "cmdNum0" << TwipsRect(12840, 4320, 1050, 1080) << "1";
    QTest::addRow("cmdNum1") << "cmdNum1" << TwipsRect(12840, 5580, 1050, 1080) << "2";
    QTest::addRow("cmdNum2") << "cmdNum2" << TwipsRect(12840, 6840, 1050, 1080) << "3";
}

void tst_frmTrain02Layout::controlInItsPlace()
{
    QFETCH(QString, name);
    QFETCH(QRect, place);
    QFETCH(QString, text);

    Train02Fixture f;
    const QByteArray design = name.toLatin1();
    QCOMPARE(f.find(design)->geometry(), place);
    if (!text.isEmpty() || qobject_cast<QLineEdit*>(f.find(design)))
        QCOMPARE(f.text(design), text);
}

void tst_frmTrain02Layout::labelsAtTheirPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QString>("text");

    QTest::addRow("Label1_0") << "Label1_0" << TwipsRect(300, 9600, 1425, 345) << "出题类型：";
    QTest::addRow("Label1_1") << "Label1_1" << TwipsRect(4080, 9600, 1425, 345) << "位数：";
    QTest::addRow("Label2") << "Label2" << TwipsRect(7860, 9600, 1425, 345) << "出题数目：";
    QTest::addRow("Label3") << "Label3" << TwipsRect(10440, 9600, 1710, 345) << "每道题时间：";
    QTest::addRow("label6") << "label6" << TwipsRect(14760, 3360, 1245, 345) << "列式加减:";
    QTest::addRow("Label4") << "Label4" << TwipsRect(29520, 7515, 855, 345) << "位数：";
    QTest::addRow("labShow") << "labShow" << TwipsRect(18120, 900, 1575, 375) << "计算结果：";
}

void tst_frmTrain02Layout::labelsAtTheirPlaces()
{
    QFETCH(QString, name);
    QFETCH(QRect, place);
    QFETCH(QString, text);

    Train02Fixture f;
    const QByteArray design = name.toLatin1();
    CheckDesignedPlace(*f.find(design), place);
    QCOMPARE(f.text(design), text);
}

void tst_frmTrain02Layout::windowCaptionAndFont()
{
    Train02Fixture f;
    QCOMPARE(f.window.Frame()->windowTitle(), QStringLiteral("识珠练习"));
    QVERIFY(f.window.Frame()->isMaximized());
    QCOMPARE(f.window.Canvas()->font().pointSizeF(), 14.25);
    QCOMPARE(f.find("txtChange0")->font().pointSizeF(), 14.25);
    QCOMPARE(f.find("labShow")->font().pointSizeF(), 15.75);
}

void tst_frmTrain02Layout::listsHoldTheirItemsWithNothingSelected()
{
    Train02Fixture f;
    const auto items = [&f](const char* name) {
        QStringList texts;
        auto* list = f.find<QComboBox>(name);
        for (int i = 0; i < list->count(); ++i)
            texts << list->itemText(i);
        return texts;
    };
    QCOMPARE(items("comStyle"), QStringList({"直加直减", "破5加破5减", "满10进位加破10退位减"}));
    QCOMPARE(items("comDig"), QStringList({"4以内1位数", "44以内2位数", "9以内1位数", "92以内2位数", "444以内3位数",
                                           "999以内3位数"}));
    for (const char* name : {"comStyle", "comDig"}) {
        QCOMPARE(f.find<QComboBox>(name)->currentIndex(), -1);
        QCOMPARE(f.find<QComboBox>(name)->currentText(), QString());
        QVERIFY(!f.find<QComboBox>(name)->isEditable());
    }
}

void tst_frmTrain02Layout::popupShowsEveryItemWhole()
{
    // Fusion widens a popup by itself, the Windows style not; the longest item is wider than the list.
    const std::unique_ptr<QStyle> windows(QStyleFactory::create(QStringLiteral("Windows")));
    Train02Fixture f;
    auto* list = f.find<QComboBox>("comStyle");
    list->setStyle(windows.get());
    list->showPopup();
    QVERIFY(list->view()->viewport()->width() >= list->view()->fontMetrics().horizontalAdvance(list->itemText(2)));
}

void tst_frmTrain02Layout::ruleUnderTheOperands()
{
    Train02Fixture f;
    auto* line = f.find<QFrame>("Line1");
    QCOMPARE(line->frameShape(), QFrame::HLine);
    QCOMPARE(line->geometry().left(), Twips(14640));
    QCOMPARE(line->geometry().right(), Twips(16560));
    QCOMPARE(line->geometry().center().y(), Twips(6240));
    QVERIFY(f.shows("Line1"));
}

void tst_frmTrain02Layout::markIsLargeRedAndHidden()
{
    Train02Fixture f;
    auto* mark = f.find<QLabel>("labScore");
    QVERIFY(!f.shows("labScore"));
    QCOMPARE(mark->font().pointSizeF(), 36.0);
    QCOMPARE(mark->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

void tst_frmTrain02Layout::hiddenRunControls()
{
    Train02Fixture f;
    auto* pic = f.find<PictureBox>("pic");
    for (const char* name : {"cmdNum0", "cmdNum1", "cmdNum2"}) {
        auto* button = f.find<QPushButton>(name);
        QCOMPARE(button->parentWidget(), pic);
        QVERIFY(!f.shows(name));
        QVERIFY(!button->isEnabled());
        QCOMPARE(button->font().pointSizeF(), 21.75);
    }
    QCOMPARE(f.find("cmdNum0")->palette().color(QPalette::Button), QColor(255, 224, 192));
    QVERIFY(!f.shows("labShow"));
    auto* frame = f.find<QGroupBox>("fraShowNum");
    QCOMPARE(frame->parentWidget(), pic);
    QVERIFY(!f.shows("fraShowNum"));
    auto* addNum = f.find<QLabel>("labAddNum");
    QCOMPARE(addNum->parentWidget(), frame);
    QCOMPARE(addNum->text(), QString());
    QCOMPARE(addNum->font().pointSizeF(), 36.0);
    QCOMPARE(addNum->palette().color(QPalette::WindowText), QColor(192, 0, 0));
    auto* timer = f.find<QTimer>("Timer1");
    QVERIFY(!timer->isActive());
    QCOMPARE(timer->interval(), 1);
}

void tst_frmTrain02Layout::canvasReachesTheRightHandControls()
{
    Train02Fixture f;
    QWidget* canvas = f.window.Canvas();
    QVERIFY(canvas->width() >= Twips(28680) && canvas->height() >= Twips(13155));
    QVERIFY(canvas->rect().contains(f.find("cmdExit")->geometry()));
    // The workspace is narrower than the canvas, so it scrolls to the right-hand controls.
    auto* scroller = qobject_cast<QScrollArea*>(f.window.Frame()->widget());
    QVERIFY(scroller);
    scroller->ensureWidgetVisible(f.find("cmdExit"));
    QVERIFY(scroller->horizontalScrollBar()->value() > 0);
}

void tst_frmTrain02Layout::tabReachesEveryControlInOrder()
{
    Train02Fixture f;
    QCOMPARE(TabStops(*f.window.Frame()),
             QStringList({"pic", "comStyle", "comDig", "txtNum", "txtTime", "cmdQ", "cmkQuit", "txtChange0",
                          "txtChange1", "txtN4", "cmdOk2", "txtDig", "cmdStart", "cmdExit"}));
    QCOMPARE(f.window.Frame()->focusWidget(), f.find("pic"));
}

void tst_frmTrain02Layout::loadShowsZeroOnFiveRodsAndKeepsBeadColouring_data()
{
    QTest::addColumn<bool>("colourful");
    QTest::addRow("random colours on") << true;
    QTest::addRow("random colours off") << false;
}

void tst_frmTrain02Layout::loadShowsZeroOnFiveRodsAndKeepsBeadColouring()
{
    QFETCH(bool, colourful);
    TestEnvironment env;
    ProgramWide::ColorfulBeads = colourful;
    QMdiArea area;
    area.resize(1280, 720);
    area.show();
    frmTrain02 window{[] {}};
    window.Show(area);
    QCOMPARE(ProgramWide::ColorfulBeads, colourful);
    QCOMPARE(window.Abacus().Cols(), 5);
    QCOMPARE(window.Abacus().Value(), 0.0);
    // The board is drawn: the beam runs red across the picture.
    auto* pic = window.Canvas()->findChild<PictureBox*>(QStringLiteral("pic"));
    const QPointF onBeam = pic->toWidget(QPointF(45, 70)) * pic->picture().devicePixelRatio();
    QCOMPARE(pic->picture().pixelColor(onBeam.toPoint()), QColor(255, 0, 0));
    window.Unload();
}

QTEST_MAIN(tst_frmTrain02Layout)
#include "tst_frmTrain02Layout.moc"

#include "DesignedPlace.h"
#include "Show9Harness.h"
#include "TabStops.h"

#include "platform/ChildWindow.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>

class TestFrmShow9Window : public QObject {
    Q_OBJECT

private slots:
    void layout_data();
    void layout();
    void windowFontAndArea();
    void tabReachesEveryControl();
    void enterTogglesTheDrill_data();
    void enterTogglesTheDrill();
    void enterOnAnotherButtonClicksThatButton_data();
    void enterOnAnotherButtonClicksThatButton();
    void beadsIgnoreTheMouse();
    void exitEndsTheProgram();
};

void TestFrmShow9Window::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("place");
    QTest::addRow("pic") << "pic" << QString() << TwipsRect(240, 120, 16755, 8970);
    QTest::addRow("Label5") << "Label5" << QStringLiteral("数值：") << TwipsRect(360, 9555, 945, 345);
    QTest::addRow("txtNewNum") << "txtNewNum" << QStringLiteral("12345") << TwipsRect(2640, 9480, 1155, 495);
    QTest::addRow("cmdOk") << "cmdOk" << QStringLiteral("生成数字") << TwipsRect(6120, 9480, 1830, 480);
    QTest::addRow("cmdYanShi2") << "cmdYanShi2" << QStringLiteral("演示9遍9") << TwipsRect(13800, 9480, 1710, 480);
    QTest::addRow("cmdOk2") << "cmdOk2" << QStringLiteral("完成") << TwipsRect(16080, 9435, 1050, 585);
    QTest::addRow("txtTime") << "txtTime" << QStringLiteral("5") << TwipsRect(27480, 8475, 975, 465);
    QTest::addRow("Label4") << "Label4" << QStringLiteral("位数：") << TwipsRect(29400, 8535, 855, 345);
    QTest::addRow("txtDig") << "txtDig" << QStringLiteral("1") << TwipsRect(30600, 8475, 615, 465);
    QTest::addRow("cmdStart") << "cmdStart" << QStringLiteral("开始") << TwipsRect(31800, 8460, 990, 480);
    QTest::addRow("cmdExit") << "cmdExit" << QStringLiteral("关闭") << TwipsRect(33120, 8520, 990, 480);
    QTest::addRow("cmdclear") << "cmdclear" << QStringLiteral("清屏") << TwipsRect(34560, 8400, 1050, 585);
}

void TestFrmShow9Window::layout()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, place);
    Show9Harness h;
    auto* control = h.find<QWidget>(name.toLatin1().constData());
    QVERIFY(control);
    QCOMPARE(control->parentWidget(), h.window.Canvas());
    CheckDesignedPlace(*control, place);
    QCOMPARE(control->property("text").toString(), text);
    QVERIFY(control->isVisible());
}

void TestFrmShow9Window::windowFontAndArea()
{
    Show9Harness h;
    QWidget* canvas = h.window.Canvas();
    QCOMPARE(canvas->font().pointSizeF(), 14.25);
    QCOMPARE(h.button("cmdOk")->font().pointSizeF(), 14.25);
    QVERIFY(canvas->width() >= Twips(27510));
    QCOMPARE(canvas->height(), Twips(10575));
    QVERIFY(canvas->rect().contains(h.button("cmdclear")->geometry()));
}

// Tab walks through every entry box and button, and the content scrolls so
// that the focused control is on screen even past the window's right edge.
void TestFrmShow9Window::tabReachesEveryControl()
{
    Show9Harness h;
    h.area.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&h.area));
    auto* scroller = qobject_cast<QScrollArea*>(h.window.Frame()->widget());
    QVERIFY(scroller);
    QCOMPARE(QApplication::focusWidget(), h.find<QLineEdit>("txtNewNum"));
    QSet<QString> reached;
    bool farButtonShown = false;
    for (int press = 0; press < 12; ++press) {
        QWidget* focused = QApplication::focusWidget();
        QVERIFY(focused);
        reached.insert(focused->objectName());
        if (focused->objectName() == QStringLiteral("cmdclear")) {
            const QRect onViewport(focused->mapTo(scroller->viewport(), QPoint(0, 0)), focused->size());
            farButtonShown = scroller->viewport()->rect().contains(onViewport);
        }
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    const QStringList controls = {"txtNewNum", "cmdOk",    "cmdYanShi2", "cmdOk2",  "txtTime",
                                  "txtDig",    "cmdStart", "cmdExit",    "cmdclear"};
    QCOMPARE(TabStops(*h.window.Frame()), controls);
    QCOMPARE(reached, QSet<QString>(controls.begin(), controls.end()));
    QVERIFY(scroller->viewport()->width() < h.window.Canvas()->width());
    QVERIFY(farButtonShown);
}

void TestFrmShow9Window::enterTogglesTheDrill_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("focus");
    QTest::addRow("Return in txtNewNum") << int(Qt::Key_Return) << int(Qt::NoModifier) << "txtNewNum";
    QTest::addRow("keypad Enter in txtNewNum") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "txtNewNum";
    QTest::addRow("Return in txtDig") << int(Qt::Key_Return) << int(Qt::NoModifier) << "txtDig";
    QTest::addRow("Return on the button itself") << int(Qt::Key_Return) << int(Qt::NoModifier) << "cmdYanShi2";
}

void TestFrmShow9Window::enterTogglesTheDrill()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, focus);
    Show9Harness h;
    h.area.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&h.area));
    auto* focused = h.find<QWidget>(focus.toLatin1().constData());
    focused->setFocus();
    QCOMPARE(QApplication::focusWidget(), focused);

    QTest::keyClick(focused, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QVERIFY(h.window.DemoRunning());
    QVERIFY(h.timerOn());
    QCOMPARE(h.caption(), QStringLiteral("暂停"));
    QCOMPARE(h.env.waiter.framesOf(1000), 0);

    QTest::keyClick(focused, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QVERIFY(!h.window.DemoRunning());
    QVERIFY(!h.timerOn());
    QCOMPARE(h.env.messages.boxes.size(), 1);
}

// As in a dialog, a focused button takes Enter for itself.
void TestFrmShow9Window::enterOnAnotherButtonClicksThatButton_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("buildPauses");
    QTest::addColumn<bool>("timerOn");
    QTest::addRow("生成数字") << "cmdOk" << 1 << false;
    QTest::addRow("开始") << "cmdStart" << 0 << true;
}

void TestFrmShow9Window::enterOnAnotherButtonClicksThatButton()
{
    QFETCH(QString, focus);
    QFETCH(int, buildPauses);
    QFETCH(bool, timerOn);
    Show9Harness h;
    h.area.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&h.area));
    auto* button = h.button(focus.toLatin1().constData());
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Return);
    QVERIFY(!h.window.DemoRunning());
    QCOMPARE(h.caption(), QStringLiteral("演示9遍9"));
    QCOMPARE(h.env.waiter.framesOf(1000), buildPauses);
    QCOMPARE(h.timerOn(), timerOn);
}

// A click or a key on the abacus in the middle of a pass neither moves a
// bead nor redraws the frame the pass has drawn.
void TestFrmShow9Window::beadsIgnoreTheMouse()
{
    Show9Harness h(Show9Harness::Drawing::OnPic);
    PictureBox* pic = h.pic();
    QImage before;
    QImage after;
    double valueBefore = 0;
    h.env.waiter.duringWait = [&](int wait) {
        if (wait != 30)
            return;
        before = pic->picture();
        valueBefore = h.value();
        const QPoint bead = pic->toWidget(QPointF(240, 60)).toPoint();
        QTest::mouseMove(pic, bead);
        QTest::mouseClick(pic, Qt::LeftButton, Qt::NoModifier, bead);
        // Nor do they answer the keys that work the other windows' beads.
        for (const Qt::Key key : {Qt::Key_5, Qt::Key_Up, Qt::Key_Left, Qt::Key_Down})
            QTest::keyClick(pic, key);
        after = pic->picture();
        // Enough seen: the pass may stop here.
        h.env.waiter.programEnding = true;
    };
    h.click("cmdYanShi2");
    h.tick();
    QVERIFY(!before.isNull());
    QCOMPARE(after, before);
    QCOMPARE(h.value(), valueBefore);
}

void TestFrmShow9Window::exitEndsTheProgram()
{
    Show9Harness h;
    h.click("cmdExit");
    QCOMPARE(h.programEnds, 1);
}

QTEST_MAIN(TestFrmShow9Window)
#include "tst_frmshow9_window.moc"

#include "BeadWindowDriver.h"
#include "DesignedPlace.h"

#include "exercises/frmTrain03.h"

#include <memory>

class FrmTrain03Test : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void layout_data();
    void layout();
    void designedState();
    void pointAndClickMovesBead_data();
    void pointAndClickMovesBead();
    void pointerMovementAloneChangesNothing();
    void clickedBeadsKeepTheAnswer();
    void fiveDigitQuestionShowsLowestFour();
    void shortRun();
    void keysReachEveryDigitFromEveryDigit();
    void keysChooseTheRodAndShowIt();

private:
    BeadWindowDriver<frmTrain03>& d() { return *m_driver; }
    QPoint pixelOf(QPointF user) const { return m_driver->pic()->toWidget(user).toPoint(); }
    void pointAndClick(QPointF user);

    std::unique_ptr<BeadWindowDriver<frmTrain03>> m_driver;
};

void FrmTrain03Test::init()
{
    m_driver = std::make_unique<BeadWindowDriver<frmTrain03>>();
    d().open();
}

void FrmTrain03Test::cleanup() { m_driver.reset(); }

void FrmTrain03Test::pointAndClick(QPointF user)
{
    QTest::mouseMove(d().pic(), pixelOf(user));
    QTest::mouseClick(d().pic(), Qt::LeftButton, {}, pixelOf(user));
}

void FrmTrain03Test::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::addRow("pic") << "pic" << QRect(120, 120, 14235, 8250);
    QTest::addRow("labShow") << "labShow" << QRect(14760, 1680, 1575, 375);
    QTest::addRow("labScore") << "labScore" << QRect(15120, 2280, 750, 870);
    QTest::addRow("cmdNum0") << "cmdNum0" << QRect(14760, 4320, 1500, 1080);
    QTest::addRow("cmdNum1") << "cmdNum1" << QRect(14760, 5580, 1500, 1080);
    QTest::addRow("cmdNum2") << "cmdNum2" << QRect(14760, 6840, 1500, 1080);
    QTest::addRow("cmdclear") << "cmdclear" << QRect(14760, 9240, 1050, 585);
    QTest::addRow("Label2") << "Label2" << QRect(1080, 9375, 1425, 345);
    QTest::addRow("txtNum") << "txtNum" << QRect(2640, 9360, 795, 495);
    QTest::addRow("Label3") << "Label3" << QRect(3600, 9375, 1815, 345);
    QTest::addRow("txtTime") << "txtTime" << QRect(5280, 9308, 855, 465);
    QTest::addRow("Label4") << "Label4" << QRect(6480, 9375, 855, 345);
    QTest::addRow("txtDig") << "txtDig" << QRect(7560, 9308, 615, 465);
    QTest::addRow("cmdStart") << "cmdStart" << QRect(11760, 9300, 990, 480);
    QTest::addRow("cmdExit") << "cmdExit" << QRect(13320, 9300, 990, 480);
}

void FrmTrain03Test::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QWidget* widget = d().find<QWidget>(name);
    QVERIFY(widget);
    CheckDesignedPlace(*widget, TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
}

void FrmTrain03Test::designedState()
{
    QCOMPARE(d().window.Frame()->windowTitle(), QStringLiteral("识珠练习"));
    QCOMPARE(d().window.Canvas()->size(), QSize(Twips(17115), Twips(10200)));
    QCOMPARE(d().window.Abacus().Cols(), 4);
    QCOMPARE(d().window.Abacus().Value(), 0.0);
    QCOMPARE(d().label("labShow")->text(), QStringLiteral("计算结果："));
    QCOMPARE(d().label("labScore")->font().pointSizeF(), 36.0);
    QVERIFY(!d().label("labScore")->isVisibleTo(d().window.Canvas()));
    QVERIFY(d().answerButtonsEnabled(false));
    QCOMPARE(d().timer()->interval(), 202);
    QVERIFY(!d().timer()->isActive());
}

void FrmTrain03Test::pointAndClickMovesBead_data()
{
    QTest::addColumn<QPointF>("user");
    QTest::addColumn<double>("value");
    QTest::addRow("rod 0 bead 1") << QPointF(30, 45) << 1000.0;
    QTest::addRow("rod 1 bead 4") << QPointF(60, 15) << 400.0;
    QTest::addRow("rod 3 upper bead") << QPointF(120, 95) << 5.0;
    QTest::addRow("beside the rods") << QPointF(45, 45) << 0.0;
    QTest::addRow("empty stretch of a rod") << QPointF(30, 57) << 0.0;
}

void FrmTrain03Test::pointAndClickMovesBead()
{
    QFETCH(QPointF, user);
    QFETCH(double, value);
    pointAndClick(user);
    QCOMPARE(d().window.Abacus().Value(), value);
}

void FrmTrain03Test::pointerMovementAloneChangesNothing()
{
    d().start();
    const double asked = d().window.CurrentNum();
    const QImage before = d().pic()->picture();
    QTest::mouseMove(d().pic(), pixelOf(QPointF(30, 45)));
    QTest::mouseMove(d().pic(), pixelOf(QPointF(120, 95)));
    QCOMPARE(d().window.Abacus().Value(), asked);
    QCOMPARE(d().pic()->picture(), before);
    QCOMPARE(d().label("labShow")->text(), QStringLiteral("计算结果："));
    QVERIFY(!d().label("labScore")->isVisibleTo(d().window.Canvas()));
}

void FrmTrain03Test::clickedBeadsKeepTheAnswer()
{
    d().env.random.queue({0.5f, 0.0f, 0.0f});
    d().start();
    QCOMPARE(d().window.CurrentNum(), 5.0);
    const QStringList captions = d().answerCaptions();
    // Units rod at 5: its lowest lower bead rests at 45; clicking it makes 6.
    pointAndClick(QPointF(120, 45));
    QCOMPARE(d().window.Abacus().Value(), 6.0);
    QCOMPARE(d().window.CurrentNum(), 5.0);
    QCOMPARE(d().answerCaptions(), captions);
    d().answer(true);
    QCOMPARE(d().label("labScore")->text(), QStringLiteral("√"));
    QCOMPARE(d().window.Abacus().Value(), d().window.CurrentNum());
}

void FrmTrain03Test::fiveDigitQuestionShowsLowestFour()
{
    d().type("txtDig", "5");
    // 12344.5 / 99998 draws 12345; the answer goes in the middle, the upper decoy 3 above.
    d().env.random.queue({static_cast<float>(12344.5 / 99998), 0.5f, 0.9f});
    d().start();
    QCOMPARE(d().window.CurrentNum(), 12345.0);
    QCOMPARE(d().window.Abacus().Value(), 2345.0);
    QCOMPARE(d().answerCaptions(), (QStringList{"12344", "12345", "12348"}));
    QTest::mouseClick(d().answerButton(1), Qt::LeftButton);
    QCOMPARE(d().label("labScore")->text(), QStringLiteral("√"));
    QCOMPARE(d().window.RightCount(), std::int16_t(1));
}

void FrmTrain03Test::shortRun()
{
    d().type("txtNum", "3");
    d().start();
    d().answer(false);
    d().env.clock.advanceSeconds(5);
    QVERIFY(d().tick());
    QCOMPARE(d().window.QuestionCount(), 3.0);
    d().answer(true);
    QCOMPARE(d().env.messages.boxes.size(), 1);
    QCOMPARE(d().env.messages.boxes[0].text,
             QStringLiteral("恭喜完成本轮游戏\r\n共出题：3道,你答对:1道,答错:2道 \r\n得分:33"));
    QCOMPARE(d().label("labShow")->text(), QStringLiteral("完成"));
    QCOMPARE(d().window.Abacus().Value(), 0.0);
    QVERIFY(!d().timer()->isActive());
}

void FrmTrain03Test::keysReachEveryDigitFromEveryDigit()
{
    PictureBox* pic = d().pic();
    const cAbacus& abacus = d().window.Abacus();
    for (int from = 0; from <= 9; ++from) {
        for (int to = 0; to <= 9; ++to) {
            QTest::keyClick(pic, static_cast<Qt::Key>(Qt::Key_0 + from));
            QCOMPARE(abacus.ShownNumber(), double(from));
            for (int press = 0; press < std::abs(to - from); ++press)
                QTest::keyClick(pic, to > from ? Qt::Key_Up : Qt::Key_Down);
            QCOMPARE(abacus.ShownNumber(), double(to));
        }
    }
    // Nothing carries and nothing borrows: 9 and 0 stay as they are.
    QTest::keyClick(pic, Qt::Key_Up);
    QCOMPARE(abacus.ShownNumber(), 9.0);
    QTest::keyClick(pic, Qt::Key_0);
    QTest::keyClick(pic, Qt::Key_Down);
    QCOMPARE(abacus.ShownNumber(), 0.0);
}

void FrmTrain03Test::keysChooseTheRodAndShowIt()
{
    PictureBox* pic = d().pic();
    const auto marked = [pic] { return pic->grab().toImage().convertToFormat(QImage::Format_RGB32) != pic->picture(); };
    QVERIFY(!marked());
    QTest::keyClick(pic, Qt::Key_Left);
    QTest::keyClick(pic, Qt::Key_Left);
    QTest::keyClick(pic, Qt::Key_7);
    QTest::keyClick(pic, Qt::Key_Right);
    QTest::keyClick(pic, Qt::Key_Up);
    QCOMPARE(d().window.Abacus().ShownNumber(), 710.0);
    QVERIFY(marked());
    // Beyond the leftmost rod the choice stays there.
    for (int press = 0; press < 5; ++press)
        QTest::keyClick(pic, Qt::Key_Left);
    QTest::keyClick(pic, Qt::Key_3);
    QCOMPARE(d().window.Abacus().ShownNumber(), 3710.0);
    QCOMPARE(d().window.CurrentNum(), 0.0);
}

QTEST_MAIN(FrmTrain03Test)
#include "tst_frmtrain03.moc"

#include "RandomSession.h"
#include "TestEnvironment.h"
#include "UserInput.h"
#include "demo/frmShow9.h"
#include "shell/frmMain.h"
#include "platform/modsub.h"
#include "training/frmTrain02.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

// About 50 s on two busy cores, twice that under the sanitizers, where the
// drawing code runs instrumented: a quarter of the actions keeps that run short.
#if defined(__SANITIZE_ADDRESS__)
constexpr int DefaultActions = 500;
#else
constexpr int DefaultActions = 2000;
#endif

// RANDOM_SESSION_ACTIONS=n runs n actions per seed instead, and
// RANDOM_SESSION_SEED=s the four kinds of session with seed s only, for a
// longer soak or to replay a failure; RANDOM_SESSION_TRACE=1 prints every
// action as it happens.
int actionsPerSeed()
{
    bool ok = false;
    const int asked = qEnvironmentVariableIntValue("RANDOM_SESSION_ACTIONS", &ok);
    return ok && asked > 0 ? asked : DefaultActions;
}

// The whole report goes to the log: a failure message is cut short.
void logReport(const RandomSession& session)
{
    if (session.Failed())
        qWarning().noquote() << session.Report();
}

void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

void trigger(frmMain& main, const char* action)
{
    main.findChild<QAction*>(QString::fromUtf8(action))->trigger();
}

template <typename Widget>
Widget* widget(ChildWindow& window, const char* name)
{
    return window.Canvas()->findChild<Widget*>(QString::fromLatin1(name));
}

}  // namespace

class RandomSessionTest : public QObject {
    Q_OBJECT

private slots:
    void randomSession_data();
    void randomSession();
    // Ends the program for the rest of the process: it must stay the last test.
    void demoCloseEndsProgramInsideAnimations();
};

void RandomSessionTest::randomSession_data()
{
    QTest::addColumn<uint>("seed");
    QTest::addColumn<bool>("toggleColours");
    QTest::addColumn<bool>("insideBoxes");
    bool ok = false;
    const uint asked = qEnvironmentVariable("RANDOM_SESSION_SEED").toUInt(&ok);
    if (ok) {
        QTest::addRow("seed %u", asked) << asked << false << false;
        QTest::addRow("seed %u with random bead colours", asked) << asked << true << false;
        QTest::addRow("seed %u with ticks inside message boxes", asked) << asked << false << true;
        QTest::addRow("seed %u with both", asked) << asked << true << true;
        return;
    }
    QTest::addRow("seed 20240611") << 20240611u << false << false;
    QTest::addRow("seed 7 with random bead colours") << 7u << true << false;
    QTest::addRow("seed 4242 with ticks inside message boxes") << 4242u << false << true;
    QTest::addRow("seed 987654321 with both") << 987654321u << true << true;
}

void RandomSessionTest::randomSession()
{
    QFETCH(uint, seed);
    QFETCH(bool, toggleColours);
    QFETCH(bool, insideBoxes);

    TestEnvironment env;
    {
        frmMain main;
        main.show();
        QApplication::setActiveWindow(&main);
        RandomSession session(env, main, {seed, actionsPerSeed(), toggleColours, insideBoxes});
        QElapsedTimer elapsed;
        elapsed.start();
        session.Run();
        qInfo("seed %u: %d actions, %ld more inside waits and message boxes, %ld waits, %lld message boxes, "
              "%ld clicks checked against their outcome, %lld ms",
              seed, actionsPerSeed(), session.NestedActions(), session.Waits(),
              static_cast<long long>(env.messages.boxes.size()), session.OraclesChecked(),
              static_cast<long long>(elapsed.elapsed()));
        logReport(session);
        QVERIFY2(!session.Failed(), qPrintable(session.Headline()));
        // A session that never reached inside an animation, or never checked a
        // click's outcome, would pass while testing little.
        QVERIFY(session.NestedActions() > 0);
        QVERIFY(session.OraclesChecked() > 0);
        QVERIFY(!env.messages.boxes.isEmpty());
    }
    flushDeletes();
}

// "关闭" of the demonstration pressed during a pass that itself runs inside a
// frame of "完成" on the training window: every animation stops at its next
// wait, nothing starts after the end, and the windows go away cleanly.
void RandomSessionTest::demoCloseEndsProgramInsideAnimations()
{
    TestEnvironment env;
    auto main = std::make_unique<frmMain>();
    main->show();
    QApplication::setActiveWindow(main.get());
    RandomSession session(env, *main, {31337u, 300, false, true});
    session.Run();
    logReport(session);
    QVERIFY2(!session.Failed(), qPrintable(session.Headline()));
    session.Unhook();

    frmShow9& demo = main->Show9();
    frmTrain02& training = main->Train02();
    trigger(*main, "mnuShow01_9Add");
    UserInput::Click(*widget<QPushButton>(demo, "cmdStart"));
    trigger(*main, "mnuTrance02");
    UserInput::Click(*widget<QPushButton>(training, "cmdQ"));

    enum class Stage { PlayingSum, PlayingPass, Ended };
    Stage stage = Stage::PlayingSum;
    std::size_t waitsAtEnd = 0;
    env.waiter.duringWait = [&](int wait) {
        if (stage == Stage::PlayingSum && wait == 5) {
            stage = Stage::PlayingPass;
            trigger(*main, "mnuShow01_9Add");
            UserInput::Tick(*widget<QTimer>(demo, "Timer1"));
        } else if (stage == Stage::PlayingPass) {
            stage = Stage::Ended;
            UserInput::Click(*widget<QPushButton>(demo, "cmdExit"));
            waitsAtEnd = env.waiter.waits.size();
        }
        // The real wait reports the end of the program from then on.
        env.waiter.programEnding = modsub::ProgramEnding();
    };
    UserInput::Click(*widget<QPushButton>(training, "cmdOk2"));

    QCOMPARE(stage, Stage::Ended);
    QVERIFY(modsub::ProgramEnding());
    QCOMPARE(env.waiter.waits.size(), waitsAtEnd);
    QVERIFY(widget<QLabel>(training, "labScore")->isHidden());
    QCOMPARE(SessionChecks::AbacusProblem(demo.Abacus(), 10), QString());
    QCOMPARE(SessionChecks::AbacusProblem(training.Abacus(), 5), QString());
    session.Checks().AllowEnding();
    session.Checks().AfterAction(session.StartupPictureExpected());
    logReport(session);
    QVERIFY2(!session.Failed(), qPrintable(session.Headline()));

    main.reset();
    flushDeletes();
}

QTEST_MAIN(RandomSessionTest)
#include "tst_random_session.moc"

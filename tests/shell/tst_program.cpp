#include "abacus/ProgramWide.h"
#include "platform/DisplayGuard.h"
#include "shell/frmMain.h"
#include "platform/modsub.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QIcon>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTest>

// Starts the real program in this process and ends it the ways a user can.
// Ending is final for a process, so the program ends exactly once here.
class ProgramTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void withoutDisplayExplainsAndStops_data();
    void withoutDisplayExplainsAndStops();
    void startUpPutsQtsWordsInChineseAndShowsTheIcon();
    void startsShowsNumbersAndEndsInsideAnAnimation();

private:
    QTemporaryDir m_dataFolder;
};

// The start looks for the records in a folder of the test's own, never the user's.
void ProgramTest::initTestCase() { qputenv("XDG_DATA_HOME", m_dataFolder.path().toLocal8Bit()); }

void ProgramTest::withoutDisplayExplainsAndStops_data()
{
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("platform");
    QTest::addRow("none set") << QString() << QString();
    QTest::addRow("stale display") << QStringLiteral(":987") << QString();
    QTest::addRow("xcb without a server") << QString() << QStringLiteral("xcb");
    QTest::addRow("unknown platform") << QString() << QStringLiteral("nonesuch");
}

void ProgramTest::withoutDisplayExplainsAndStops()
{
    QFETCH(QString, display);
    QFETCH(QString, platform);
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    if (!display.isEmpty())
        environment.insert(QStringLiteral("DISPLAY"), display);
    if (!platform.isEmpty())
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(PROGRAM_PATH), {});
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    QCOMPARE(QString::fromUtf8(program.readAllStandardError()), DisplayGuard::Explanation() + u'\n');
}

void ProgramTest::startUpPutsQtsWordsInChineseAndShowsTheIcon()
{
    const std::unique_ptr<frmMain> mainWindow = modsub::Main();

    const QDialogButtonBox buttons(QDialogButtonBox::Ok);
    QCOMPARE(buttons.button(QDialogButtonBox::Ok)->text(), QStringLiteral("确定"));
    QLineEdit box;
    QStringList menu;
    const std::unique_ptr<QMenu> standardMenu(box.createStandardContextMenu());
    for (const QAction* action : standardMenu->actions())
        menu << action->text().section(u'(', 0, 0);
    for (const char* word : {"撤销", "复制", "粘贴"})
        QVERIFY2(menu.contains(QString::fromUtf8(word)), qPrintable(menu.join(u' ')));

    // The abacus of the desktop entry, drawn at every size a desktop asks.
    const QIcon icon = mainWindow->windowIcon();
    const QImage drawing(QStringLiteral(":/icons/lingxi-shufang.svg"));
    QCOMPARE(icon.pixmap(drawing.size()).toImage().convertToFormat(drawing.format()), drawing);
    for (const int side : {16, 24, 32, 48, 256})
        QCOMPARE(icon.pixmap(side).size(), QSize(side, side));
}

void ProgramTest::startsShowsNumbersAndEndsInsideAnAnimation()
{
    const std::unique_ptr<frmMain> mainWindow = modsub::Main();
    QVERIFY(mainWindow->isVisible());
    QCOMPARE(ProgramWide::RestColor, 12640511.0);
    QCOMPARE(ProgramWide::CountColor, 16776960.0);
    QVERIFY(ProgramWide::ColorfulBeads);

    double firstShown = 0;
    bool animationFinished = true;
    QElapsedTimer sinceClose;
    QTimer::singleShot(1200, mainWindow.get(), [&] {
        firstShown = mainWindow->CurrentNum();
        // A long animation on the idle abacus; the main window closes in its middle.
        QTimer::singleShot(300, mainWindow.get(), [&] {
            sinceClose.start();
            mainWindow->close();
        });
        double from = -1;
        double add = 11111;
        animationFinished = mainWindow->Abacus().AddNum(from, add);
    });
    const int status = QApplication::exec();

    QCOMPARE(status, 0);
    QVERIFY(firstShown >= 10000 && firstShown <= 99998);
    QVERIFY(!animationFinished);
    QVERIFY(modsub::ProgramEnding());
    QVERIFY(!modsub::Delay(1000));
    qInfo("program ended %lld ms after its main window closed", sinceClose.elapsed());
}

QTEST_MAIN(ProgramTest)
#include "tst_program.moc"

#include "TestEnvironment.h"

#include "progress/frmChildren.h"
#include "progress/frmRecords.h"
#include "records/PracticeDay.h"
#include "records/RecordKeeper.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

class ProgressTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void nameProblemsAreExplained_data();
    void nameProblemsAreExplained();
    void childrenAreMadeRenamedChosenAndDeleted();
    void recordsWithoutChildSayHowToChoose();
    void recordsShowTheLastThirtyDays();
    void exportWritesWhereTheUserSays();

private:
    void click(QWidget& parent, const char* name) const;
    void keepPractice();
    QStringList messages() const;

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<RecordKeeper> m_keeper;
};

void ProgressTest::init()
{
    m_env = std::make_unique<TestEnvironment>();
    m_dir = std::make_unique<QTemporaryDir>();
    m_keeper = std::make_unique<RecordKeeper>(m_dir->filePath(QStringLiteral("records.sqlite3")));
}

void ProgressTest::cleanup()
{
    m_keeper.reset();
    m_dir.reset();
    m_env.reset();
}

void ProgressTest::click(QWidget& parent, const char* name) const
{
    auto* button = parent.findChild<QPushButton*>(QString::fromLatin1(name));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

QStringList ProgressTest::messages() const
{
    QStringList texts;
    for (const RecordingMessages::Box& box : std::as_const(m_env->messages.boxes))
        texts << box.text;
    return texts;
}

void ProgressTest::nameProblemsAreExplained_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addRow("empty") << QStringLiteral("  ") << QStringLiteral("请先输入孩子的名字。");
    QTest::addRow("too long") << QString(21, u'明') << QStringLiteral("名字太长了，最多20个字。");
    QTest::addRow("taken") << QStringLiteral(" 小红 ") << QStringLiteral("已经有叫“小红”的孩子了，请换一个名字。");
}

void ProgressTest::nameProblemsAreExplained()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);
    m_keeper->Add(QStringLiteral("小红"));
    frmChildren dialog(*m_keeper);
    dialog.findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(typed);
    click(dialog, "cmdNew");
    QCOMPARE(messages(), QStringList{message});
    QCOMPARE(dialog.findChild<QListWidget*>(QStringLiteral("lstChildren"))->count(), 1);
}

void ProgressTest::childrenAreMadeRenamedChosenAndDeleted()
{
    frmChildren dialog(*m_keeper);
    auto* list = dialog.findChild<QListWidget*>(QStringLiteral("lstChildren"));
    auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("txtName"));
    for (const QString& typed : {QStringLiteral("小明"), QStringLiteral("小红")}) {
        name->setText(typed);
        click(dialog, "cmdNew");
    }
    list->setCurrentRow(0);
    name->setText(QStringLiteral("明明"));
    click(dialog, "cmdRename");
    click(dialog, "cmdOk");
    QCOMPARE(m_keeper->Chosen()->name, QStringLiteral("明明"));
    m_keeper->Keep(BeadRunResult{});

    frmChildren again(*m_keeper);
    QCOMPARE(again.findChild<QListWidget*>(QStringLiteral("lstChildren"))->currentItem()->text(),
             QStringLiteral("明明"));
    m_env->messages.answerYes = false;
    click(again, "cmdDelete");
    QVERIFY(m_keeper->Chosen());
    m_env->messages.answerYes = true;
    click(again, "cmdDelete");
    QCOMPARE(messages(), QStringList(2, frmChildren::DeleteQuestion(QStringLiteral("明明"), 1)));
    QVERIFY(!m_keeper->Chosen());
    QCOMPARE(m_keeper->Children().size(), 1);
}

void ProgressTest::recordsWithoutChildSayHowToChoose()
{
    frmRecords window(*m_keeper);
    QMdiArea area;
    window.Show(area);
    QCOMPARE(window.Frame()->windowTitle(), QStringLiteral("成绩记录"));
    QVERIFY(window.Frame()->isMaximized());
    QCOMPARE(window.Canvas()->findChild<QLabel*>(QStringLiteral("labNoChild"))->text(), frmRecords::NoChildText());
    QVERIFY(!window.Canvas()->findChild<QChartView*>());
    window.Unload();
}

// Two 识珠学习 runs today, one 40 days ago, and 加减训练 on two days apart.
void ProgressTest::keepPractice()
{
    m_keeper->Add(QStringLiteral("小明"));
    m_keeper->Choose(m_keeper->Children().first().id);
    const std::int64_t now = m_env->clock.wallSeconds;
    for (const std::int64_t daysAgo : {0, 0, 40})
        m_keeper->Keep(BeadRunResult{.exercise = "识珠学习", .when = now - daysAgo * 86400, .questions = 10,
                                     .right = 5, .durationSeconds = 100});
    for (const std::int64_t daysAgo : {1, 3})
        m_keeper->Keep(ColumnAnswerResult{.when = now - daysAgo * 86400, .groups = {BeadRule::Group::Five}});
}

// The window fills the workspace; days without practice have no bar and
// break the line of right answers.
void ProgressTest::recordsShowTheLastThirtyDays()
{
    keepPractice();
    frmRecords window(*m_keeper);
    QMdiArea area;
    area.resize(1200, 800);
    area.show();
    window.Show(area);
    QVERIFY(std::abs(window.Canvas()->width() - window.Frame()->widget()->width()) < 20);
    QCOMPARE(window.Canvas()->findChild<QLabel*>(QStringLiteral("labTotals"))->text().section(u'；', 0, 0),
             QStringLiteral("小明：练习了4天，3轮，32道题，用时5分钟"));
    QCOMPARE(window.Canvas()->findChild<QTableWidget*>(QStringLiteral("grdRecent"))->rowCount(), 5);

    QList<QChart*> charts;
    for (QChartView* view : window.Canvas()->findChildren<QChartView*>())
        charts << view->chart();
    QCOMPARE(charts.size(), 3);
    const QBarSet* questions = qobject_cast<QBarSeries*>(charts[1]->series().first())->barSets().first();
    QList<int> barsPerDay;
    for (int day = 0; day < questions->count(); ++day)
        barsPerDay << static_cast<int>(questions->at(day));
    QCOMPARE(barsPerDay.size(), frmRecords::ChartDays);
    QCOMPARE(barsPerDay.mid(26), QList<int>({1, 0, 1, 0}));
    QCOMPARE(charts[1]->series().size(), 3);
    QCOMPARE(qobject_cast<QLineSeries*>(charts[1]->series()[1])->points(), QList<QPointF>({{26, 0}}));
    const auto* groups = qobject_cast<QAbstractBarSeries*>(charts[2]->series().first());
    auto* names = qobject_cast<QBarCategoryAxis*>(charts[2]->axes(Qt::Vertical).first());
    QCOMPARE(groups->barSets().first()->at(static_cast<int>(names->categories().indexOf(QStringLiteral("满五加破五减")))),
             2.0);
    window.Unload();
}

void ProgressTest::exportWritesWhereTheUserSays()
{
    keepPractice();
    frmRecords window(*m_keeper);
    QMdiArea area;
    window.Show(area);
    click(*window.Canvas(), "cmdExport");
    QVERIFY(messages().isEmpty());
    m_env->files.answer = m_dir->filePath(QStringLiteral("小明.csv"));
    click(*window.Canvas(), "cmdExport");
    QCOMPARE(messages(), QStringList{QStringLiteral("成绩已导出到：\n") + m_env->files.answer});
    QFile exported(m_env->files.answer);
    QVERIFY(exported.open(QIODevice::ReadOnly));
    QCOMPARE(exported.readAll().count("\r\n"), 6);
    window.Unload();
}

QTEST_MAIN(ProgressTest)
#include "tst_progress.moc"

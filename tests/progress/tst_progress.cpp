#include "TestEnvironment.h"

#include "progress/frmChildren.h"
#include "progress/frmRecords.h"
#include "records/RecordExport.h"
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

    void newNames_data();
    void newNames();
    void childrenAreRenamedChosenAndDeleted();
    void recordsShowTheLastThirtyDays();
    void exportWritesWhereTheUserSays();

private:
    static void click(QWidget& parent, const char* name);
    void keepPractice();
    QStringList messages() const;

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<RecordKeeper> m_keeper;
    QMdiArea m_area;
};

void ProgressTest::init()
{
    m_env = std::make_unique<TestEnvironment>();
    m_dir = std::make_unique<QTemporaryDir>();
    m_keeper = std::make_unique<RecordKeeper>(m_dir->filePath(QStringLiteral("records.sqlite3")));
    m_area.resize(1200, 800);
    m_area.show();
}

void ProgressTest::cleanup()
{
    m_keeper.reset();
    m_dir.reset();
    m_env.reset();
}

void ProgressTest::click(QWidget& parent, const char* name)
{
    QTest::mouseClick(parent.findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
}

QStringList ProgressTest::messages() const
{
    QStringList texts;
    for (const RecordingMessages::Box& box : std::as_const(m_env->messages.boxes))
        texts << box.text;
    return texts;
}

void ProgressTest::newNames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addRow("empty") << QString() << QStringLiteral("请先输入孩子的名字。");
    QTest::addRow("only spaces") << QStringLiteral(" \u3000 ") << QStringLiteral("请先输入孩子的名字。");
    QTest::addRow("twenty-one characters") << QString(21, u'明') << QStringLiteral("名字太长了，最多20个字。");
    QTest::addRow("taken once trimmed") << QStringLiteral(" 小红\t")
                                        << QStringLiteral("已经有叫“小红”的孩子了，请换一个名字。");
    QTest::addRow("spaces around") << QStringLiteral("  小明 ") << QString();
    QTest::addRow("twenty characters") << QString(20, u'明') << QString();
    QTest::addRow("twenty beyond the basic plane") << QStringLiteral("𠮷").repeated(20) << QString();
}

// A name of 1 to 20 characters once trimmed, not yet taken, makes a child;
// any other is explained, and nothing is made.
void ProgressTest::newNames()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);
    m_keeper->Add(QStringLiteral("小红"));
    frmChildren dialog(*m_keeper);
    dialog.findChild<QLineEdit*>()->setText(typed);
    click(dialog, "cmdNew");
    QCOMPARE(messages(), message.isEmpty() ? QStringList() : QStringList{message});
    const QList<Child> children = m_keeper->Children();
    QCOMPARE(children.size(), message.isEmpty() ? 2 : 1);
    QCOMPARE(children.last().name, message.isEmpty() ? typed.trimmed() : QStringLiteral("小红"));
}

// Deleting asks first, with the number of records that go; the chosen child
// deleted, none is chosen.
void ProgressTest::childrenAreRenamedChosenAndDeleted()
{
    m_keeper->Add(QStringLiteral("小明"));
    m_keeper->Add(QStringLiteral("小红"));
    frmChildren dialog(*m_keeper);
    dialog.findChild<QListWidget*>()->setCurrentRow(0);
    dialog.findChild<QLineEdit*>()->setText(QStringLiteral("明明"));
    click(dialog, "cmdRename");
    click(dialog, "cmdOk");
    QCOMPARE(m_keeper->Chosen()->name, QStringLiteral("明明"));
    m_keeper->Keep(BeadRunResult{});

    frmChildren again(*m_keeper);
    QCOMPARE(again.findChild<QListWidget*>()->currentItem()->text(), QStringLiteral("明明"));
    m_env->messages.answerYes = false;
    click(again, "cmdDelete");
    QVERIFY(m_keeper->Chosen());
    m_env->messages.answerYes = true;
    click(again, "cmdDelete");
    QCOMPARE(messages(), QStringList(2, frmChildren::DeleteQuestion(QStringLiteral("明明"), 1)));
    QVERIFY(!m_keeper->Chosen());
    QCOMPARE(m_keeper->Children().size(), 1);
}

// Two 识珠学习 runs today, one 40 days ago, and 加减训练 on two days apart.
void ProgressTest::keepPractice()
{
    m_keeper->Add(QStringLiteral("小明"));
    m_keeper->Choose(m_keeper->Children().first().id);
    const std::int64_t now = m_env->clock.wallSeconds;
    for (const std::int64_t daysAgo : {40, 0, 0})
        m_keeper->Keep(BeadRunResult{.exercise = "识珠学习", .when = now - daysAgo * 86400, .questions = 10,
                                     .right = 5, .durationSeconds = 100});
    for (const std::int64_t daysAgo : {3, 1})
        m_keeper->Keep(ColumnAnswerResult{.when = now - daysAgo * 86400, .groups = {BeadRule::Group::Five}});
}

// Without a child the window says how to choose one. With one, it fills the
// workspace; a day without practice has no bar and breaks the line of right answers.
void ProgressTest::recordsShowTheLastThirtyDays()
{
    frmRecords window(*m_keeper);
    window.Show(m_area);
    QCOMPARE(window.Frame()->windowTitle(), QStringLiteral("成绩记录"));
    QCOMPARE(window.Canvas()->findChild<QLabel*>(QStringLiteral("labNoChild"))->text(), frmRecords::NoChildText());
    keepPractice();
    window.Refresh();
    QVERIFY(window.Frame()->isMaximized());
    QVERIFY(std::abs(window.Canvas()->width() - window.Frame()->widget()->width()) < 20);
    QCOMPARE(window.Canvas()->findChild<QLabel*>(QStringLiteral("labTotals"))->text().section(u'；', 0, 0),
             QStringLiteral("小明：练习了4天，3轮，32道题，用时5分钟"));
    QCOMPARE(window.Canvas()->findChild<QTableWidget*>()->rowCount(), 5);

    QList<QChart*> charts;
    for (QChartView* view : window.Canvas()->findChildren<QChartView*>())
        charts << view->chart();
    QCOMPARE(charts.size(), 3);
    const QBarSet* questions = qobject_cast<QBarSeries*>(charts[1]->series().first())->barSets().first();
    QList<int> perDay;
    for (int day = 0; day < questions->count(); ++day)
        perDay << static_cast<int>(questions->at(day));
    QCOMPARE(perDay.size(), frmRecords::ChartDays);
    QCOMPARE(perDay.mid(26), QList<int>({1, 0, 1, 0}));
    QCOMPARE(charts[1]->series().size(), 3);
    QCOMPARE(qobject_cast<QLineSeries*>(charts[1]->series()[1])->points(), QList<QPointF>({{26, 0}}));
    const auto* wrong = qobject_cast<QAbstractBarSeries*>(charts[2]->series().first());
    auto* groups = qobject_cast<QBarCategoryAxis*>(charts[2]->axes(Qt::Vertical).first());
    QCOMPARE(wrong->barSets().first()->at(static_cast<int>(groups->categories().indexOf(QStringLiteral("满五加破五减")))),
             2.0);
    window.Unload();
}

// Cancelled, nothing is written; else every record, oldest first, under one header row.
void ProgressTest::exportWritesWhereTheUserSays()
{
    keepPractice();
    frmRecords window(*m_keeper);
    window.Show(m_area);
    click(*window.Canvas(), "cmdExport");
    QVERIFY(messages().isEmpty());
    m_env->files.answer = m_dir->filePath(QStringLiteral("小明.csv"));
    click(*window.Canvas(), "cmdExport");
    QCOMPARE(messages(), QStringList{QStringLiteral("成绩已导出到：\n") + m_env->files.answer});
    QFile exported(m_env->files.answer);
    QVERIFY(exported.open(QIODevice::ReadOnly) && exported.read(3) == "\xEF\xBB\xBF");
    const QStringList lines = QString::fromUtf8(exported.readAll()).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.first(), RecordExport::Header().join(u','));
    QStringList kinds;
    for (const QString& line : lines.mid(1))
        kinds << line.section(u',', 0, 0);
    QCOMPARE(kinds, QStringList({QStringLiteral("识珠一轮"), QStringLiteral("加减一题"), QStringLiteral("加减一题"),
                                 QStringLiteral("识珠一轮"), QStringLiteral("识珠一轮"), QString()}));
    window.Unload();
}

QTEST_MAIN(ProgressTest)
#include "tst_progress.moc"

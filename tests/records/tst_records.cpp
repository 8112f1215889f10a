#include "TestEnvironment.h"

#include "progress/frmChildren.h"
#include "progress/frmRecords.h"
#include "records/Csv.h"
#include "records/PracticeDay.h"
#include "records/ProgressQuery.h"
#include "records/RecordExport.h"
#include "records/RecordKeeper.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <set>

namespace {

enum Fault { NotADatabase, DamagedAtOpen, DamagedInUse, Newer, NoFolder };

// Asks the file as another program would: the first value of the answer.
QVariant ask(const QString& path, const QString& statement)
{
    QVariant answer;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
        db.setDatabaseName(path);
        QSqlQuery query(db.open() ? db : QSqlDatabase());
        if (query.exec(statement) && query.next())
            answer = query.value(0);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
    return answer;
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void click(QWidget& parent, const char* name)
{
    QTest::mouseClick(parent.findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
}

}  // namespace

// The record store, and the windows that show and choose what it keeps.
class RecordsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void lifeOfTheFile();
    void reportAddsUpTheResults();
    void csvFields_data();
    void csvFields();
    void faults_data();
    void faults();
    void twoCopiesKilledWhileRecordingLoseNothing();
    void newNames_data();
    void newNames();
    void childrenAreRenamedChosenAndDeleted();
    void recordsShowTheLastThirtyDays();

private:
    QString path() const { return m_dir->filePath(QStringLiteral("data/records.sqlite3")); }
    std::unique_ptr<RecordKeeper> keeperWithChild(const QString& name = QStringLiteral("小明"));
    QByteArray prepare(Fault fault);
    void keepPractice();
    QStringList messages();

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<RecordKeeper> m_keeper;
    QMdiArea m_area;
};

void RecordsTest::init()
{
    m_env = std::make_unique<TestEnvironment>();
    m_dir = std::make_unique<QTemporaryDir>();
    m_keeper = std::make_unique<RecordKeeper>(path());
    m_area.resize(1200, 800);
    m_area.show();
}

void RecordsTest::cleanup()
{
    QVERIFY2(messages().isEmpty(), qPrintable(messages().join(u'\n')));
    m_keeper.reset();
    m_dir.reset();
    m_env.reset();
}

std::unique_ptr<RecordKeeper> RecordsTest::keeperWithChild(const QString& name)
{
    auto keeper = std::make_unique<RecordKeeper>(path());
    keeper->OpenAtStart();
    keeper->Add(name);
    keeper->Choose(keeper->Children().last().id);
    return keeper;
}

// The message boxes open once the event that met a fault is over.
QStringList RecordsTest::messages()
{
    QCoreApplication::processEvents();
    QStringList texts;
    for (const RecordingMessages::Box& box : std::exchange(m_env->messages.boxes, {}))
        texts << box.text;
    return texts;
}

// No file until the first child is made; the chosen child and every result
// outlast the run, until the child is deleted with its results.
void RecordsTest::lifeOfTheFile()
{
    m_keeper->OpenAtStart();
    m_keeper->Choose(std::nullopt);
    m_keeper->Keep(BeadRunResult{});
    QVERIFY(m_keeper->Children().isEmpty() && QDir(m_dir->path()).isEmpty());
    auto keeper = keeperWithChild();
    const std::int64_t when = m_env->clock.wallSeconds;
    keeper->Keep(BeadRunResult{.exercise = "识珠学习", .when = when});
    keeper->Keep(ColumnAnswerResult{.when = when});
    keeper->Keep(MentalQuestionResult{.exercise = "听心算", .numbers = {3, -1}});
    keeper->Keep(MentalSetResult{.exercise = "听心算"});
    for (int run = 0; run < 2; ++run) {
        keeper = std::make_unique<RecordKeeper>(path());
        keeper->OpenAtStart();
        if (run == 0) {
            QCOMPARE(keeper->Chosen()->name, QStringLiteral("小明"));
            QCOMPARE(keeper->RecordCount(keeper->Chosen()->id), 4);
            keeper->Remove(keeper->Chosen()->id);
        }
    }
    QVERIFY(!keeper->Chosen() && keeper->Children().isEmpty());
    QCOMPARE(ask(path(), QStringLiteral("SELECT count(*) FROM mental_question")).toInt(), 0);
    QCOMPARE(ask(path(), QStringLiteral("PRAGMA user_version")).toInt(), 1);
    QCOMPARE(ask(path(), QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("wal"));
}

// Random practice over 45 days against sums worked out here, result by result.
void RecordsTest::reportAddsUpTheResults()
{
    auto keeper = keeperWithChild();
    const std::int64_t now = m_env->clock.wallSeconds;
    const QStringList exercises = {QStringLiteral("识珠练习"), ProgressQuery::ColumnExercise, QStringLiteral("闪电心算")};
    QRandomGenerator random(45);
    std::map<std::pair<QString, qint64>, std::pair<double, double>> days;
    std::set<qint64> allDays;
    std::array<int, 4> wrongByGroup{};
    for (int i = 0; i < 400; ++i) {
        const std::int64_t when = now - random.bounded(45 * 86400);
        const bool right = random.bounded(3) > 0;
        const int kind = random.bounded(3);
        const double asked = kind == 0 ? 1 + random.bounded(10) : 1;
        if (kind == 0) {
            keeper->Keep(BeadRunResult{.exercise = "识珠练习", .when = when, .questions = asked, .right = right * asked});
        } else if (kind == 1) {
            std::vector<BeadRule::Group> groups;
            for (int group = 0, bits = random.bounded(16); group < 4; ++group) {
                if (bits & (1 << group)) {
                    groups.push_back(static_cast<BeadRule::Group>(group));
                    wrongByGroup[group] += right ? 0 : 1;
                }
            }
            keeper->Keep(ColumnAnswerResult{.when = when, .right = right, .groups = groups});
        } else {
            keeper->Keep(MentalQuestionResult{.exercise = "闪电心算", .when = when, .right = right});
        }
        allDays.insert(PracticeDay(when));
        if (PracticeDay(when) > PracticeDay(now) - 30) {
            days[{exercises[kind], PracticeDay(when)}].first += asked;
            days[{exercises[kind], PracticeDay(when)}].second += right * asked;
        }
    }
    const std::optional<ProgressReport> report = ProgressQuery::Read(*keeper, PracticeDay(now) - 29, 5);
    QVERIFY(report);
    QCOMPARE(report->daysPractised, static_cast<int>(allDays.size()));
    QCOMPARE(report->wrongByGroup, wrongByGroup);
    std::map<std::pair<QString, qint64>, std::pair<double, double>> reported;
    for (const ExerciseDays& exercise : report->exercises) {
        for (const DayFigures& day : exercise.days)
            reported[{exercise.exercise, day.day}] = {day.questions, day.right};
    }
    QVERIFY(reported == days);
}

void RecordsTest::csvFields_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("written");
    QTest::addRow("comma") << QVariant(QStringLiteral("a,b")) << QStringLiteral("\"a,b\"");
    QTest::addRow("quotes") << QVariant(QStringLiteral("说\"好\"")) << QStringLiteral("\"说\"\"好\"\"\"");
    QTest::addRow("line break") << QVariant(QStringLiteral("a\r\nb")) << QStringLiteral("\"a\r\nb\"");
    QTest::addRow("formula") << QVariant(QStringLiteral("=1+2")) << QStringLiteral("'=1+2");
    QTest::addRow("plus") << QVariant(QStringLiteral("+1")) << QStringLiteral("'+1");
    QTest::addRow("minus") << QVariant(QStringLiteral("-5+3")) << QStringLiteral("'-5+3");
    QTest::addRow("at") << QVariant(QStringLiteral("@SUM(A1)")) << QStringLiteral("'@SUM(A1)");
    QTest::addRow("formula and comma") << QVariant(QStringLiteral("=A,B")) << QStringLiteral("\"'=A,B\"");
    QTest::addRow("negative number") << QVariant(-5.0) << QStringLiteral("-5");
    QTest::addRow("fraction") << QVariant(0.25) << QStringLiteral("0.25");
    QTest::addRow("nothing") << QVariant() << QString();
}

void RecordsTest::csvFields()
{
    QFETCH(QVariant, value);
    QFETCH(QString, written);
    QCOMPARE(Csv::Field(value), written);
}

void RecordsTest::faults_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("message");
    QTest::addRow("not a database") << int(NotADatabase) << QStringLiteral("成绩文件已损坏");
    QTest::addRow("damaged, found at open") << int(DamagedAtOpen) << QStringLiteral("成绩文件已损坏");
    QTest::addRow("damaged, found in use") << int(DamagedInUse) << QStringLiteral("成绩文件已损坏");
    QTest::addRow("from a newer version") << int(Newer) << QStringLiteral("这个成绩文件是更新版本");
    QTest::addRow("folder cannot be made") << int(NoFolder) << QStringLiteral("无法在这个文件夹里保存成绩");
}

// The file as the fault leaves it before the program starts. Damage is noise
// over the first page of a table: the file opens, the table's first use fails.
QByteArray RecordsTest::prepare(Fault fault)
{
    if (fault == NotADatabase || fault == NoFolder) {
        QDir(m_dir->path()).mkpath(fault == NotADatabase ? QStringLiteral("data") : QStringLiteral("."));
        QFile file(fault == NoFolder ? m_dir->filePath(QStringLiteral("data")) : path());
        if (file.open(QIODevice::WriteOnly))
            file.write(QByteArray("不是数据库").repeated(300));
        file.close();
        return contents(path());
    }
    keeperWithChild();
    if (fault == Newer) {
        ask(path(), QStringLiteral("PRAGMA user_version = 2"));
        return contents(path());
    }
    const QString table = fault == DamagedAtOpen ? QStringLiteral("child") : QStringLiteral("bead_run");
    const qint64 page = ask(path(), QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = '%1'").arg(table))
                            .toLongLong();
    const qint64 size = ask(path(), QStringLiteral("PRAGMA page_size")).toLongLong();
    QFile file(path());
    if (page > 1 && file.open(QIODevice::ReadWrite) && file.seek((page - 1) * size))
        file.write(QByteArray(size, '\x5a'));
    file.close();
    return contents(path());
}

// Damage: the old file goes aside, a fresh one takes the results, and the
// run goes on. Refusal: the file is left as it was and nothing is kept, with
// one message however often the program tries.
void RecordsTest::faults()
{
    QFETCH(int, fault);
    QFETCH(QString, message);
    const QByteArray before = prepare(static_cast<Fault>(fault));
    RecordKeeper keeper(path());
    keeper.OpenAtStart();
    // Only damage in a table the start does not read leaves the child chosen last time.
    QCOMPARE(keeper.Chosen().has_value(), fault == DamagedInUse);
    for (const QString& name : {QStringLiteral("小红"), QStringLiteral("小刚")}) {
        if (!keeper.Chosen() && keeper.Add(name) == ChildName::Problem::None)
            keeper.Choose(keeper.Children().last().id);
        keeper.Keep(BeadRunResult{.exercise = "识珠学习"});
    }
    const QStringList shown = messages();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown[0].startsWith(message), qPrintable(shown[0]));
    const bool damaged = fault != Newer && fault != NoFolder;
    QCOMPARE(keeper.Recording(), damaged);
    if (!damaged) {
        QCOMPARE(contents(path()), before);
        return;
    }
    QCOMPARE(keeper.RecordCount(keeper.Chosen()->id), 2);
    QCOMPARE(keeper.Chosen()->name, fault == DamagedInUse ? QStringLiteral("小明") : QStringLiteral("小红"));
    const QString aside = shown[0].section(u'\n', 1, 1);
    QVERIFY2(aside.contains(QStringLiteral("records-损坏-")), qPrintable(aside));
    QCOMPARE(contents(aside), before);
    QCOMPARE(ask(path(), QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
}

// Two copies record at once and are killed at random points of their
// writing, 30 times: every result either reported written is there, and the
// file is sound.
void RecordsTest::twoCopiesKilledWhileRecordingLoseNothing()
{
    keeperWithChild();
    QRandomGenerator random(30);
    qint64 acknowledged = 0;
    for (int kill = 0; kill < 30; ++kill) {
        QProcess copies[2];
        QByteArray written[2];
        for (QProcess& copy : copies)
            copy.start(QStringLiteral(RECORD_DRIVER), {path()});
        const int wanted = 1 + random.bounded(200);
        QVERIFY(QTest::qWaitFor([&] {
            for (int i = 0; i < 2; ++i)
                written[i] += copies[i].readAllStandardOutput();
            return written[0].count('\n') >= wanted && written[1].count('\n') > 0;
        }, 10000));
        for (int i = 0; i < 2; ++i) {
            copies[i].kill();
            QVERIFY(copies[i].waitForFinished(10000));
            acknowledged += (written[i] + copies[i].readAllStandardOutput()).count('\n');
        }
    }
    QCOMPARE(ask(path(), QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
    const qint64 found = ask(path(), QStringLiteral("SELECT count(*) FROM bead_run")).toLongLong();
    QVERIFY(found >= acknowledged && found <= acknowledged + 60);
}

void RecordsTest::newNames_data()
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
void RecordsTest::newNames()
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
void RecordsTest::childrenAreRenamedChosenAndDeleted()
{
    m_keeper->Add(QStringLiteral("小明"));
    m_keeper->Add(QStringLiteral("小红"));
    frmChildren dialog(*m_keeper);
    // The list takes the focus with its first row current but not picked.
    dialog.findChild<QListWidget*>()->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    click(dialog, "cmdOk");
    QVERIFY(!m_keeper->Chosen());
    dialog.findChild<QListWidget*>()->setCurrentRow(0);
    dialog.findChild<QLineEdit*>()->setText(QStringLiteral("明明%1"));
    click(dialog, "cmdRename");
    click(dialog, "cmdOk");
    QCOMPARE(m_keeper->Chosen()->name, QStringLiteral("明明%1"));
    m_keeper->Keep(BeadRunResult{});

    frmChildren again(*m_keeper);
    QCOMPARE(again.findChild<QListWidget*>()->currentItem()->text(), QStringLiteral("明明%1"));
    m_env->messages.answerYes = false;
    click(again, "cmdDelete");
    QVERIFY(m_keeper->Chosen());
    m_env->messages.answerYes = true;
    click(again, "cmdDelete");
    QCOMPARE(messages(), QStringList(2, QStringLiteral("要删除“明明%1”吗？\n明明%1的 1 条成绩记录会一起删除，删除后不能恢复。")));
    QVERIFY(!m_keeper->Chosen());
    QCOMPARE(m_keeper->Children().size(), 1);
}

// Two 识珠学习 runs today, one 40 days ago, and 加减训练 on two days apart.
void RecordsTest::keepPractice()
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
// workspace; a day without practice has no bar and breaks the line of right
// answers. 导出 writes every record, oldest first, under one header row.
void RecordsTest::recordsShowTheLastThirtyDays()
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
    QCOMPARE(perDay.mid(26), QList<int>({1, 0, 1, 0}));
    QCOMPARE(charts[1]->series().size(), 3);
    QCOMPARE(qobject_cast<QLineSeries*>(charts[1]->series()[1])->points(), QList<QPointF>({{26, 0}}));

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

QTEST_MAIN(RecordsTest)
#include "tst_records.moc"

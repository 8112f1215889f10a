#include "TestEnvironment.h"

#include "records/Csv.h"
#include "records/PracticeDay.h"
#include "records/ProgressQuery.h"
#include "records/RecordExport.h"
#include "records/RecordKeeper.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <set>

using Problem = ChildName::Problem;

namespace {

enum Fault { NotADatabase, DamagedAtOpen, DamagedInUse, Newer, NoFolder };

// Asks the file as another program would; the first value of the answer.
QVariant ask(const QString& path, const QString& statement)
{
    QVariant answer;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(statement) && query.next())
                answer = query.value(0);
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
    return answer;
}

// Noise over the first page of a table: the file opens, the first use of the table fails.
void damageTable(const QString& path, const QString& table)
{
    const qint64 page = ask(path, QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = '%1'").arg(table))
                            .toLongLong();
    const qint64 size = ask(path, QStringLiteral("PRAGMA page_size")).toLongLong();
    QFile file(path);
    QVERIFY(page > 1 && file.open(QIODevice::ReadWrite) && file.seek((page - 1) * size));
    file.write(QByteArray(size, '\x5a'));
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class RecordsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void noFileUntilAChildIsMade();
    void childNames_data();
    void childNames();
    void resultsAndChoiceOutlastTheRun();
    void removingAChildTakesItsResults();
    void reportAddsUpTheResults();
    void csvFields_data();
    void csvFields();
    void exportWritesEveryRecordInTimeOrder();
    void faults_data();
    void faults();
    void killedWhileRecordingLosesNothing();
    void twoCopiesKeepEveryResult();

private:
    QString path() const { return m_dir->filePath(QStringLiteral("data/records.sqlite3")); }
    std::unique_ptr<RecordKeeper> keeperWithChild(const QString& name);
    QByteArray prepare(Fault fault);
    QStringList messages();
    static int count(RecordKeeper& keeper) { return keeper.RecordCount(keeper.Chosen()->id); }

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void RecordsTest::init()
{
    m_env = std::make_unique<TestEnvironment>();
    m_dir = std::make_unique<QTemporaryDir>();
}

void RecordsTest::cleanup()
{
    QVERIFY2(messages().isEmpty(), qPrintable(messages().join(u'\n')));
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
    for (const RecordingMessages::Box& box : std::as_const(m_env->messages.boxes))
        texts << box.text;
    m_env->messages.boxes.clear();
    return texts;
}

void RecordsTest::noFileUntilAChildIsMade()
{
    RecordKeeper keeper(path());
    keeper.OpenAtStart();
    QVERIFY(keeper.Children().isEmpty());
    keeper.Choose(std::nullopt);
    keeper.Keep(BeadRunResult{});
    QVERIFY(!keeper.Recording());
    QVERIFY(QDir(m_dir->path()).isEmpty());

    QCOMPARE(keeper.Add(QStringLiteral("小明")), Problem::None);
    QCOMPARE(ask(path(), QStringLiteral("PRAGMA user_version")).toInt(), 1);
    QCOMPARE(ask(path(), QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("wal"));
}

void RecordsTest::childNames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Problem>("problem");
    QTest::addRow("empty") << QString() << Problem::Empty;
    QTest::addRow("only spaces") << QStringLiteral(" \u3000 ") << Problem::Empty;
    QTest::addRow("spaces around") << QStringLiteral("  小明 ") << Problem::None;
    QTest::addRow("twenty characters") << QString(20, u'字') << Problem::None;
    QTest::addRow("twenty-one characters") << QString(21, u'字') << Problem::TooLong;
    QTest::addRow("twenty beyond the basic plane") << QStringLiteral("𠮷").repeated(20) << Problem::None;
    QTest::addRow("taken") << QStringLiteral("小红") << Problem::Taken;
    QTest::addRow("taken once trimmed") << QStringLiteral(" 小红\t") << Problem::Taken;
}

// Renaming 小刚 and making a new child judge a name alike; a name given once is taken after.
void RecordsTest::childNames()
{
    QFETCH(QString, typed);
    QFETCH(Problem, problem);
    auto keeper = keeperWithChild(QStringLiteral("小红"));
    keeper->Add(QStringLiteral("小刚"));
    const qint64 gang = keeper->Children().last().id;

    QCOMPARE(keeper->Rename(gang, typed), problem);
    QCOMPARE(keeper->Add(typed), problem == Problem::None ? Problem::Taken : problem);
    QStringList names;
    for (const Child& child : keeper->Children())
        names << child.name;
    QCOMPARE(names, QStringList({QStringLiteral("小红"), problem == Problem::None ? typed.trimmed() : QStringLiteral("小刚")}));
}

void RecordsTest::resultsAndChoiceOutlastTheRun()
{
    const std::int64_t when = m_env->clock.wallSeconds;
    {
        auto keeper = keeperWithChild(QStringLiteral("小明"));
        keeper->Keep(BeadRunResult{.exercise = "识珠学习", .when = when, .questions = 10, .right = 8});
        keeper->Keep(ColumnAnswerResult{.when = when, .first = 12, .second = 34, .answer = 46, .right = true});
        keeper->Keep(MentalQuestionResult{.exercise = "听心算", .when = when, .numbers = {3, -1}});
        keeper->Keep(MentalSetResult{.exercise = "听心算", .when = when, .questions = 1});
    }
    RecordKeeper again(path());
    again.OpenAtStart();
    QVERIFY(again.Recording());
    QCOMPARE(again.Chosen()->name, QStringLiteral("小明"));
    QCOMPARE(count(again), 4);
    QCOMPARE(ask(path(), QStringLiteral("SELECT at FROM bead_run")).toLongLong(), when);
}

void RecordsTest::removingAChildTakesItsResults()
{
    auto keeper = keeperWithChild(QStringLiteral("小明"));
    const qint64 ming = keeper->Chosen()->id;
    keeper->Keep(BeadRunResult{});
    keeper->Keep(ColumnAnswerResult{});
    QCOMPARE(keeper->RecordCount(ming), 2);
    keeper->Remove(ming);
    QVERIFY(!keeper->Chosen());
    QVERIFY(keeper->Children().isEmpty());
    keeper.reset();

    RecordKeeper again(path());
    again.OpenAtStart();
    QVERIFY(!again.Chosen());
    QCOMPARE(ask(path(), QStringLiteral("SELECT count(*) FROM column_answer")).toInt(), 0);
}

// Random practice over 45 days against sums worked out here, result by result.
void RecordsTest::reportAddsUpTheResults()
{
    auto keeper = keeperWithChild(QStringLiteral("小明"));
    const std::int64_t now = m_env->clock.wallSeconds;
    const qint64 firstDay = PracticeDay(now) - 29;
    QRandomGenerator random(45);
    std::map<QString, std::map<qint64, std::pair<double, double>>> days;
    std::set<qint64> allDays;
    std::array<int, 4> wrongByGroup{};
    double questions = 0;
    for (int i = 0; i < 400; ++i) {
        const std::int64_t when = now - random.bounded(45 * 86400);
        const bool right = random.bounded(3) > 0;
        const double asked = 1 + random.bounded(10);
        QString exercise;
        switch (random.bounded(3)) {
        case 0:
            exercise = random.bounded(2) ? QStringLiteral("识珠学习") : QStringLiteral("识珠练习");
            keeper->Keep(BeadRunResult{.exercise = exercise.toStdString(), .when = when, .questions = asked,
                                       .right = right ? asked : 0});
            break;
        case 1: {
            exercise = ProgressQuery::ColumnExercise;
            std::vector<BeadRule::Group> groups;
            for (int group = 0; group < 4; ++group) {
                if (random.bounded(2) && (groups.push_back(static_cast<BeadRule::Group>(group)), !right))
                    ++wrongByGroup[group];
            }
            keeper->Keep(ColumnAnswerResult{.when = when, .right = right, .groups = groups});
            break;
        }
        default:
            exercise = QStringLiteral("闪电心算");
            keeper->Keep(MentalQuestionResult{.exercise = "闪电心算", .when = when, .right = right});
        }
        const double counted = exercise.startsWith(QStringLiteral("识珠")) ? asked : 1;
        questions += counted;
        allDays.insert(PracticeDay(when));
        if (PracticeDay(when) >= firstDay) {
            days[exercise][PracticeDay(when)].first += counted;
            days[exercise][PracticeDay(when)].second += right ? counted : 0;
        }
    }
    const std::optional<ProgressReport> report = ProgressQuery::Read(*keeper, firstDay, 5);
    QVERIFY(report);
    QCOMPARE(report->daysPractised, static_cast<int>(allDays.size()));
    QCOMPARE(report->questions, questions);
    QCOMPARE(report->wrongByGroup, wrongByGroup);
    std::map<QString, std::map<qint64, std::pair<double, double>>> reported;
    for (const ExerciseDays& exercise : report->exercises) {
        for (const DayFigures& day : exercise.days)
            reported[exercise.exercise][day.day] = {day.questions, day.right};
    }
    QVERIFY(reported == days);
    QCOMPARE(report->recentRuns.size(), 5);
    for (qsizetype i = 1; i < report->recentRuns.size(); ++i)
        QVERIFY(report->recentRuns[i - 1].day >= report->recentRuns[i].day);
}

void RecordsTest::csvFields_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("written");
    QTest::addRow("text") << QVariant(QStringLiteral("小明")) << QStringLiteral("小明");
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

void RecordsTest::exportWritesEveryRecordInTimeOrder()
{
    auto keeper = keeperWithChild(QStringLiteral("小明"));
    const std::int64_t when = m_env->clock.wallSeconds;
    keeper->Keep(MentalSetResult{.exercise = "听心算", .when = when + 3});
    keeper->Keep(MentalQuestionResult{.exercise = "听心算", .when = when + 2, .numbers = {-5, 3}});
    keeper->Keep(ColumnAnswerResult{.when = when + 1, .first = 12, .second = -5});
    keeper->Keep(BeadRunResult{.exercise = "识珠练习", .when = when});
    const QString csv = m_dir->filePath(QStringLiteral("小明.csv"));
    QVERIFY(RecordExport::Write(*keeper, csv));

    const QByteArray bytes = contents(csv);
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    const QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 6);
    QCOMPARE(lines[0], RecordExport::Header().join(u','));
    QCOMPARE(lines[0].section(u',', 0, 0), QStringLiteral("类型"));
    const QStringList kinds = {QStringLiteral("识珠一轮"), QStringLiteral("加减一题"), QStringLiteral("心算一题"),
                               QStringLiteral("心算一组")};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(lines[i + 1].section(u',', 0, 0), kinds[i]);
        QCOMPARE(lines[i + 1].count(u','), lines[0].count(u','));
    }
    QVERIFY(lines[2].contains(QStringLiteral(",12-5,")));
    QVERIFY(lines[3].contains(QStringLiteral(",'-5+3,")));
    QVERIFY(lines[5].isEmpty());
}

void RecordsTest::faults_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("recordsAfter");
    QTest::addRow("not a database") << int(NotADatabase) << QStringLiteral("成绩文件已损坏") << true;
    QTest::addRow("damaged, found at open") << int(DamagedAtOpen) << QStringLiteral("成绩文件已损坏") << true;
    QTest::addRow("damaged, found in use") << int(DamagedInUse) << QStringLiteral("成绩文件已损坏") << true;
    QTest::addRow("from a newer version") << int(Newer) << QStringLiteral("这个成绩文件是更新版本") << false;
    QTest::addRow("folder cannot be made") << int(NoFolder) << QStringLiteral("无法在这个文件夹里保存成绩") << false;
}

// The file as the fault leaves it, before the program starts.
QByteArray RecordsTest::prepare(Fault fault)
{
    QDir(m_dir->path()).mkpath(QStringLiteral("data"));
    QFile file(fault == NoFolder ? m_dir->filePath(QStringLiteral("data")) : path());
    switch (fault) {
    case NotADatabase:
        if (file.open(QIODevice::WriteOnly))
            file.write(QByteArray("这不是数据库。").repeated(300));
        break;
    case Newer:
        keeperWithChild(QStringLiteral("小明"));
        ask(path(), QStringLiteral("PRAGMA user_version = 2"));
        break;
    case NoFolder:
        QDir(m_dir->path()).rmdir(QStringLiteral("data"));
        if (file.open(QIODevice::WriteOnly))
            file.write("a file where the folder should be");
        break;
    default:
        keeperWithChild(QStringLiteral("小明"));
        damageTable(path(), fault == DamagedAtOpen ? QStringLiteral("child") : QStringLiteral("bead_run"));
    }
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
    QFETCH(bool, recordsAfter);
    const QByteArray before = prepare(static_cast<Fault>(fault));
    QVERIFY(messages().isEmpty());

    RecordKeeper keeper(path());
    keeper.OpenAtStart();
    // Only damage in a table the start does not read leaves the child chosen last time.
    QCOMPARE(keeper.Chosen().has_value(), fault == DamagedInUse);
    for (const QString& name : {QStringLiteral("小红"), QStringLiteral("小刚")}) {
        if (!keeper.Chosen() && keeper.Add(name) == Problem::None)
            keeper.Choose(keeper.Children().last().id);
        keeper.Keep(BeadRunResult{.exercise = "识珠学习"});
    }
    const QStringList shown = messages();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown[0].startsWith(message), qPrintable(shown[0]));
    QCOMPARE(keeper.Recording(), recordsAfter);
    if (!recordsAfter) {
        QCOMPARE(contents(path()), before);
        return;
    }
    QCOMPARE(count(keeper), 2);
    QCOMPARE(keeper.Chosen()->name, fault == DamagedInUse ? QStringLiteral("小明") : QStringLiteral("小红"));
    const QString aside = shown[0].section(u'\n', 1, 1);
    QVERIFY2(aside.contains(QStringLiteral("records-损坏-")) && aside != path(), qPrintable(aside));
    QCOMPARE(contents(aside), before);
    QCOMPARE(ask(path(), QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
}

// Killed at random points while it writes, 30 times: every result it
// reported written is there, and the file is sound.
void RecordsTest::killedWhileRecordingLosesNothing()
{
    keeperWithChild(QStringLiteral("小明"));
    QRandomGenerator random(30);
    qint64 acknowledged = 0;
    for (int kill = 0; kill < 30; ++kill) {
        QProcess driver;
        driver.start(QStringLiteral(RECORD_DRIVER), {path(), QStringLiteral("0")});
        QByteArray output;
        const int wanted = 1 + random.bounded(40);
        while (output.count('\n') < wanted && driver.waitForReadyRead(10000))
            output += driver.readAllStandardOutput();
        driver.kill();
        QVERIFY(driver.waitForFinished(10000));
        output += driver.readAllStandardOutput();
        QVERIFY2(output.count('\n') >= wanted, output.constData());
        acknowledged += output.count('\n');
    }
    QCOMPARE(ask(path(), QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
    const qint64 found = ask(path(), QStringLiteral("SELECT count(*) FROM bead_run")).toLongLong();
    QVERIFY2(found >= acknowledged && found <= acknowledged + 30,
             qPrintable(QStringLiteral("%1 written, %2 found").arg(acknowledged).arg(found)));
}

void RecordsTest::twoCopiesKeepEveryResult()
{
    keeperWithChild(QStringLiteral("小明"));
    QProcess copies[2];
    for (QProcess& copy : copies)
        copy.start(QStringLiteral(RECORD_DRIVER), {path(), QStringLiteral("300")});
    for (QProcess& copy : copies) {
        QVERIFY(copy.waitForFinished(60000));
        QCOMPARE(copy.exitCode(), 0);
    }
    QCOMPARE(ask(path(), QStringLiteral("SELECT count(*) FROM bead_run")).toInt(), 600);
}

QTEST_MAIN(RecordsTest)
#include "tst_records.moc"

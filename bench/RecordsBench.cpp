#include "RecordsBench.h"

#include "Measure.h"
#include "ReportTable.h"

#include "platform/modsub.h"
#include "progress/frmRecords.h"
#include "records/RecordFile.h"
#include "records/RecordKeeper.h"
#include "records/ResultWriter.h"
#include "records/Sql.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>

#include <cstdio>

namespace {

constexpr int Runs = 10'000;
constexpr int Answers = 100'000;
constexpr int DaysOfPractice = 365;
constexpr int Writes = 1000;
constexpr int Starts = 7;
constexpr int Opens = 5;

std::int64_t daysAgo(QRandomGenerator& random)
{
    return QDateTime::currentSecsSinceEpoch() - random.bounded(DaysOfPractice * 86400);
}

BeadRunResult someRun(QRandomGenerator& random, std::int64_t when)
{
    const double right = random.bounded(11);
    return {.exercise = random.bounded(2) ? "识珠学习" : "识珠练习", .when = when, .questionsAsked = 10,
            .secondsEach = 5, .digits = 2, .questions = 10, .right = right, .score = right * 10,
            .durationSeconds = 40.0 + random.bounded(80)};
}

ColumnAnswerResult someAnswer(QRandomGenerator& random, std::int64_t when)
{
    std::vector<BeadRule::Group> groups;
    for (int group = 0; group < 4; ++group) {
        if (random.bounded(3) == 0)
            groups.push_back(static_cast<BeadRule::Group>(group));
    }
    return {.when = when, .first = 10.0 + random.bounded(80), .second = 10.0 + random.bounded(80),
            .answer = 99, .right = random.bounded(10) < 8, .style = "满10进位加破10退位减", .range = "92以内2位数",
            .groups = groups, .secondsToAnswer = 5.0 + random.bounded(30)};
}

// Written through the program's own writer in one transaction, as a year of
// practice would have written them one by one.
void fillYear(const QString& path, qint64 child)
{
    QRandomGenerator random(2024);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
        db.setDatabaseName(path);
        db.open();
        Sql::InTransaction(db, [&] {
            for (int i = 0; i < Runs; ++i)
                ResultWriter::Write(db, child, someRun(random, daysAgo(random)));
            for (int i = 0; i < Answers; ++i)
                ResultWriter::Write(db, child, someAnswer(random, daysAgo(random)));
            return QSqlError();
        });
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
}

void writeOneResult(ReportTable& table, RecordKeeper& keeper)
{
    QRandomGenerator random(1);
    std::vector<double> samples;
    for (int i = 0; i < Writes; ++i) {
        const double from = Measure::WallMilliseconds();
        if (i % 2)
            keeper.Keep(someAnswer(random, QDateTime::currentSecsSinceEpoch()));
        else
            keeper.Keep(someRun(random, QDateTime::currentSecsSinceEpoch()));
        samples.push_back(Measure::WallMilliseconds() - from);
    }
    const Measure::Spread spread = Measure::Summarise(samples);
    table.Row("one result, median (" + std::to_string(Writes) + " writes)",
              ReportTable::Fixed(spread.median, 3) + " ms", "< 2 ms", spread.median < 2 ? "ok" : "MISSED");
    table.Row("one result, 99th percentile", ReportTable::Fixed(spread.p99, 3) + " ms", "< 20 ms",
              spread.p99 < 20 ? "ok" : "MISSED");
}

void openRecordsWindow(ReportTable& table, RecordKeeper& keeper)
{
    QMdiArea area;
    area.resize(1280, 680);
    area.show();
    frmRecords window(keeper);
    std::vector<double> samples;
    for (int i = 0; i < Opens; ++i) {
        const double from = Measure::WallMilliseconds();
        window.Show(area);
        window.Canvas()->grab();
        samples.push_back(Measure::WallMilliseconds() - from);
        window.Unload();
        QCoreApplication::processEvents();
    }
    table.Row("成绩记录 opened and drawn, first time", ReportTable::Fixed(samples.front(), 1) + " ms", "< 300 ms",
              samples.front() < 300 ? "ok" : "MISSED");
    table.Row("  median of " + std::to_string(Opens),
              ReportTable::Fixed(Measure::Summarise(samples).median, 1) + " ms");
}

double medianStart(const char* program, const QString& dataFolder)
{
    std::vector<double> samples;
    for (int i = 0; i < Starts; ++i) {
        QProcess start;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), dataFolder);
        start.setProcessEnvironment(environment);
        start.start(QString::fromLocal8Bit(program), {QStringLiteral("--time-one-start")});
        start.waitForFinished(60000);
        samples.push_back(start.readAllStandardOutput().trimmed().toDouble());
    }
    return Measure::Summarise(samples).median;
}

}  // namespace

namespace RecordsBench {

int TimeOneStart()
{
    const double from = Measure::WallMilliseconds();
    auto mainWindow = modsub::Main();
    QCoreApplication::processEvents();
    std::printf("%.3f\n", Measure::WallMilliseconds() - from);
    return 0;
}

void Run(ReportTable& table, const char* program)
{
    table.Section("6. Records: " + std::to_string(Runs) + " runs and " + std::to_string(Answers)
                  + " 加减训练 answers of one child over a year, on this disk");
    // The file where the real start looks for it, in the benchmark's own data folder.
    const QString path = RecordFile::DefaultPath();
    const QString empty = QDir::current().filePath(QStringLiteral("records-bench-empty"));
    QDir().mkpath(empty);
    {
        RecordKeeper keeper(path);
        keeper.Add(QStringLiteral("小明"));
        keeper.Choose(keeper.Children().first().id);
        const double from = Measure::WallMilliseconds();
        fillYear(path, keeper.Chosen()->id);
        table.Row("making the file (one transaction)",
                  ReportTable::Fixed((Measure::WallMilliseconds() - from) / 1000, 1) + " s");
        writeOneResult(table, keeper);
    }
    const double megabytes = static_cast<double>(QFileInfo(path).size()) / (1 << 20);
    table.Row("file size", ReportTable::Fixed(megabytes, 2) + " MB", "< 15 MB", megabytes < 15 ? "ok" : "MISSED");
    {
        RecordKeeper keeper(path);
        keeper.OpenAtStart();
        openRecordsWindow(table, keeper);
    }
    const double without = medianStart(program, empty);
    const double with = medianStart(program, qEnvironmentVariable("XDG_DATA_HOME"));
    table.Row("start without records, median of " + std::to_string(Starts), ReportTable::Fixed(without, 1) + " ms");
    table.Row("start with that child chosen, median", ReportTable::Fixed(with, 1) + " ms");
    table.Row("  added by choosing the child", ReportTable::Fixed(with - without, 1) + " ms", "< 50 ms",
              with - without < 50 ? "ok" : "MISSED");
    table.Note("start: modsub::Main and one round of events, in a process of its own each time, "
               "the SQLite driver loaded from disk");
    QDir(empty).removeRecursively();
}

}  // namespace RecordsBench

#include "records/ProgressQuery.h"

#include "records/RecordFile.h"
#include "records/RecordKeeper.h"
#include "records/Sql.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

namespace {

// Each table's share of the totals: runs, questions, seconds.
const char* const TotalsQuery = R"sql(
SELECT count(*), total(questions), total(seconds) FROM bead_run WHERE child = :child
UNION ALL SELECT 0, count(*), total(seconds) FROM column_answer WHERE child = :child
UNION ALL SELECT 0, count(*), 0 FROM mental_question WHERE child = :child
UNION ALL SELECT count(*), 0, total(seconds) FROM mental_set WHERE child = :child
)sql";

const char* const DaysPractisedQuery = R"sql(
SELECT count(*) FROM (SELECT DISTINCT day FROM bead_run WHERE child = :child
 UNION SELECT DISTINCT day FROM column_answer WHERE child = :child
 UNION SELECT DISTINCT day FROM mental_question WHERE child = :child
 UNION SELECT DISTINCT day FROM mental_set WHERE child = :child)
)sql";

// The latest time is looked for on the latest day only, which the indexes find.
const char* const LastPracticeQuery = R"sql(
SELECT max(
 coalesce((SELECT max(at) FROM bead_run WHERE child = :child
  AND day = (SELECT max(day) FROM bead_run WHERE child = :child)), 0),
 coalesce((SELECT max(at) FROM column_answer WHERE child = :child
  AND day = (SELECT max(day) FROM column_answer WHERE child = :child)), 0),
 coalesce((SELECT max(at) FROM mental_question WHERE child = :child
  AND day = (SELECT max(day) FROM mental_question WHERE child = :child)), 0),
 coalesce((SELECT max(at) FROM mental_set WHERE child = :child
  AND day = (SELECT max(day) FROM mental_set WHERE child = :child)), 0))
)sql";

const char* const DaysQuery = R"sql(
SELECT exercise, day, total(questions), total(correct) FROM (
 SELECT exercise, day, questions, correct FROM bead_run WHERE child = :child AND day >= :first
 UNION ALL SELECT :column, day, 1, correct FROM column_answer WHERE child = :child AND day >= :first
 UNION ALL SELECT exercise, day, 1, correct FROM mental_question WHERE child = :child AND day >= :first)
GROUP BY exercise, day ORDER BY exercise, day
)sql";

const char* const GroupsQuery = R"sql(
SELECT total((groups & 1) != 0), total((groups & 2) != 0), total((groups & 4) != 0), total((groups & 8) != 0)
FROM column_answer WHERE child = :child AND correct = 0
)sql";

const char* const RecentQuery = R"sql(
SELECT day, at, exercise, questions, correct, seconds FROM bead_run WHERE child = :child
UNION ALL SELECT day, at, exercise, questions, correct, seconds FROM mental_set WHERE child = :child
UNION ALL SELECT day, NULL, :column, count(*), total(correct), total(seconds) FROM column_answer
 WHERE child = :child AND day >= :first GROUP BY day
ORDER BY 1 DESC, 2 DESC NULLS FIRST LIMIT :count
)sql";

void readTotals(const QSqlQuery& row, ProgressReport& report)
{
    report.runs += row.value(0).toInt();
    report.questions += row.value(1).toDouble();
    report.seconds += row.value(2).toDouble();
}

void readDaysPractised(const QSqlQuery& row, ProgressReport& report) { report.daysPractised = row.value(0).toInt(); }

void readLastPractice(const QSqlQuery& row, ProgressReport& report) { report.lastPractice = row.value(0).toLongLong(); }

void readDay(const QSqlQuery& row, ProgressReport& report)
{
    const QString exercise = row.value(0).toString();
    if (report.exercises.isEmpty() || report.exercises.last().exercise != exercise)
        report.exercises.append({exercise, {}});
    report.exercises.last().days.append({row.value(1).toLongLong(), row.value(2).toDouble(), row.value(3).toDouble()});
}

void readGroups(const QSqlQuery& row, ProgressReport& report)
{
    for (int group = 0; group < 4; ++group)
        report.wrongByGroup[group] = row.value(group).toInt();
}

void readRun(const QSqlQuery& row, ProgressReport& report)
{
    report.recentRuns.append({row.value(0).toLongLong(), row.value(1).toLongLong(), row.value(2).toString(),
                              row.value(3).toDouble(), row.value(4).toDouble(), row.value(5).toDouble()});
}

}  // namespace

namespace ProgressQuery {

std::optional<ProgressReport> Read(RecordKeeper& keeper, qint64 firstDay, int recentRuns)
{
    RecordFile* file = keeper.File();
    if (!file || !keeper.Chosen())
        return std::nullopt;
    const QVariantMap values{{QStringLiteral(":child"), keeper.Chosen()->id},
                             {QStringLiteral(":first"), firstDay},
                             {QStringLiteral(":column"), ColumnExercise},
                             {QStringLiteral(":count"), recentRuns}};
    const std::pair<const char*, void (*)(const QSqlQuery&, ProgressReport&)> parts[] = {
        {TotalsQuery, readTotals}, {DaysPractisedQuery, readDaysPractised}, {LastPracticeQuery, readLastPractice},
        {DaysQuery, readDay},      {GroupsQuery, readGroups},               {RecentQuery, readRun}};
    ProgressReport report;
    const bool read = file->Run([&](QSqlDatabase& db) {
        report = {};
        for (const auto& [statement, reader] : parts) {
            const QSqlError error = Sql::SelectNamed(db, QString::fromLatin1(statement), values,
                                                     [&](const QSqlQuery& row) { reader(row, report); });
            if (error.isValid())
                return error;
        }
        return QSqlError();
    });
    if (!read)
        return std::nullopt;
    return report;
}

}  // namespace ProgressQuery

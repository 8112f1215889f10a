#include "records/ResultWriter.h"

#include "records/PracticeDay.h"
#include "records/Sql.h"

#include <QSqlQuery>
#include <QVariant>

#include <initializer_list>

namespace {

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

// Inserts one row: the child, the time and its day, then the given columns in order.
QSqlError insert(QSqlDatabase& db, const char* table, const char* columns, qint64 child, std::int64_t when,
                 std::initializer_list<QVariant> values)
{
    QString marks;
    for (std::size_t i = 0; i < values.size(); ++i)
        marks += QStringLiteral(", ?");
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO %1 (child, at, day, %2) VALUES (?, ?, ?%3)")
                      .arg(QLatin1String(table), QLatin1String(columns), marks));
    query.addBindValue(child);
    query.addBindValue(static_cast<qint64>(when));
    query.addBindValue(PracticeDay(when));
    for (const QVariant& value : values)
        query.addBindValue(value);
    return Sql::Exec(query);
}

// "12,-5,7"; never a null string, which would be written as NULL.
QString numbersText(const std::vector<std::int64_t>& numbers)
{
    QString text = QStringLiteral("");
    for (const std::int64_t number : numbers)
        text += (text.isEmpty() ? QString() : QStringLiteral(",")) + QString::number(number);
    return text;
}

// The groups as a set of bits, 1 << Group, as 成绩记录 counts them.
int groupBits(const std::vector<BeadRule::Group>& groups)
{
    int bits = 0;
    for (const BeadRule::Group group : groups)
        bits |= 1 << static_cast<int>(group);
    return bits;
}

}  // namespace

namespace ResultWriter {

QSqlError Write(QSqlDatabase& db, qint64 child, const BeadRunResult& r)
{
    return insert(db, "bead_run",
                  "exercise, questions_asked, seconds_each, digits, questions, correct, score, seconds", child,
                  r.when,
                  {text(r.exercise), r.questionsAsked, r.secondsEach, r.digits, r.questions, r.right, r.score,
                   r.durationSeconds});
}

QSqlError Write(QSqlDatabase& db, qint64 child, const ColumnAnswerResult& r)
{
    return insert(db, "column_answer", "first, second, answer, correct, style, range, groups, seconds", child,
                  r.when,
                  {r.first, r.second, r.answer, r.right, text(r.style), text(r.range), groupBits(r.groups),
                   r.secondsToAnswer});
}

QSqlError Write(QSqlDatabase& db, qint64 child, const MentalQuestionResult& r)
{
    const MentalSettings& s = r.settings;
    return insert(db, "mental_question",
                  "exercise, digits, count, mixed, questions_asked, seconds_each, presentation, numbers, answer,"
                  " right_answer, correct, seconds",
                  child, r.when,
                  {text(r.exercise), s.digits, s.count, s.mixed, s.questions, s.seconds, text(s.presentation),
                   numbersText(r.numbers), r.answer, static_cast<qint64>(r.rightAnswer), r.right,
                   r.secondsToAnswer});
}

QSqlError Write(QSqlDatabase& db, qint64 child, const MentalSetResult& r)
{
    const MentalSettings& s = r.settings;
    return insert(db, "mental_set",
                  "exercise, digits, count, mixed, questions_asked, seconds_each, presentation, questions, correct,"
                  " seconds",
                  child, r.when,
                  {text(r.exercise), s.digits, s.count, s.mixed, s.questions, s.seconds, text(s.presentation),
                   r.questions, r.right, r.durationSeconds});
}

}  // namespace ResultWriter

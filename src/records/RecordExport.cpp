#include "records/RecordExport.h"

#include "records/Csv.h"
#include "records/GroupNames.h"
#include "records/ProgressQuery.h"
#include "records/RecordFile.h"
#include "records/RecordKeeper.h"
#include "records/Sql.h"

#include <QDateTime>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <algorithm>
#include <cmath>

namespace {

enum Column {
    Kind, Time, ChildColumn, Exercise, QuestionsAsked, SecondsEach, Digits, Count, Mixed, FlashSeconds,
    Presentation, Question, Answer, RightAnswer, Mark, Questions, Right, Score, Seconds, Style, Groups, Columns
};

const char* const HeaderTexts[Columns] = {"类型", "时间", "孩子", "练习", "出题数目", "每道题时间", "位数", "笔数",
    "加减", "秒数", "显示或语速", "题目", "答案", "正确答案", "对错", "题数", "答对", "得分", "用时（秒）",
    "出题类型", "口诀组"};

struct Row {
    qint64 at = 0;
    QVariantList fields;
};

// Numbers in order as a sum: 12+34, 12-5+7.
QString expression(const QList<double>& numbers)
{
    QString text;
    for (qsizetype i = 0; i < numbers.size(); ++i)
        text += (i > 0 && numbers[i] >= 0 ? QStringLiteral("+") : QString()) + Csv::Number(numbers[i]);
    return text;
}

QString mark(const QVariant& right) { return right.toBool() ? QStringLiteral("对") : QStringLiteral("错"); }

QString groupNames(int bits)
{
    QStringList names;
    for (int group = 0; group < 4; ++group) {
        if (bits & (1 << group))
            names << GroupNames().at(group);
    }
    return names.join(u'、');
}

QVariant score(double right, double questions) { return questions > 0 ? std::floor(right / questions * 100) : 0.0; }

// The columns a kind of row fills, in the order its statement selects them after the time.
struct RowKind {
    const char* name;
    const char* statement;
    void (*fill)(const QSqlQuery& row, QVariantList& fields);
};

void fillBeadRun(const QSqlQuery& q, QVariantList& f)
{
    f[Exercise] = q.value(1);
    f[QuestionsAsked] = q.value(2);
    f[SecondsEach] = q.value(3);
    f[Digits] = q.value(4);
    f[Questions] = q.value(5);
    f[Right] = q.value(6);
    f[Score] = q.value(7);
    f[Seconds] = q.value(8);
}

void fillColumnAnswer(const QSqlQuery& q, QVariantList& f)
{
    f[Exercise] = ProgressQuery::ColumnExercise;
    f[Question] = expression({q.value(1).toDouble(), q.value(2).toDouble()});
    f[Answer] = q.value(3);
    f[RightAnswer] = q.value(1).toDouble() + q.value(2).toDouble();
    f[Mark] = mark(q.value(4));
    f[Style] = q.value(5);
    f[Digits] = q.value(6);
    f[Groups] = groupNames(q.value(7).toInt());
    f[Seconds] = q.value(8);
}

void fillMentalSettings(const QSqlQuery& q, QVariantList& f)
{
    f[Exercise] = q.value(1);
    f[Digits] = q.value(2);
    f[Count] = q.value(3);
    f[Mixed] = q.value(4).toBool() ? QStringLiteral("加减混合") : QStringLiteral("只加");
    f[QuestionsAsked] = q.value(5);
    f[FlashSeconds] = q.value(6);
    f[Presentation] = q.value(7);
}

void fillMentalQuestion(const QSqlQuery& q, QVariantList& f)
{
    fillMentalSettings(q, f);
    QList<double> numbers;
    for (const QString& number : q.value(8).toString().split(u',', Qt::SkipEmptyParts))
        numbers << number.toDouble();
    f[Question] = expression(numbers);
    f[Answer] = q.value(9);
    f[RightAnswer] = q.value(10);
    f[Mark] = mark(q.value(11));
    f[Seconds] = q.value(12);
}

void fillMentalSet(const QSqlQuery& q, QVariantList& f)
{
    fillMentalSettings(q, f);
    f[Questions] = q.value(8);
    f[Right] = q.value(9);
    f[Score] = score(q.value(9).toDouble(), q.value(8).toDouble());
    f[Seconds] = q.value(10);
}

const RowKind Kinds[] = {
    {"识珠一轮",
     "SELECT at, exercise, questions_asked, seconds_each, digits, questions, correct, score, seconds"
     " FROM bead_run WHERE child = ?",
     fillBeadRun},
    {"加减一题",
     "SELECT at, first, second, answer, correct, style, range, groups, seconds FROM column_answer WHERE child = ?",
     fillColumnAnswer},
    {"心算一题",
     "SELECT at, exercise, digits, count, mixed, questions_asked, seconds_each, presentation, numbers, answer,"
     " right_answer, correct, seconds FROM mental_question WHERE child = ?",
     fillMentalQuestion},
    {"心算一组",
     "SELECT at, exercise, digits, count, mixed, questions_asked, seconds_each, presentation, questions, correct,"
     " seconds FROM mental_set WHERE child = ?",
     fillMentalSet},
};

QSqlError readRows(QSqlDatabase& db, const Child& child, QList<Row>& rows)
{
    rows.clear();
    for (const RowKind& kind : Kinds) {
        const QSqlError error = Sql::Select(db, QString::fromUtf8(kind.statement), {child.id}, [&](const QSqlQuery& q) {
            Row row{q.value(0).toLongLong(), QVariantList(Columns)};
            row.fields[Kind] = QString::fromUtf8(kind.name);
            row.fields[Time] = QDateTime::fromSecsSinceEpoch(row.at).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
            row.fields[ChildColumn] = child.name;
            kind.fill(q, row.fields);
            rows.append(row);
        });
        if (error.isValid())
            return error;
    }
    return {};
}

}  // namespace

namespace RecordExport {

QStringList Header()
{
    QStringList header;
    for (const char* text : HeaderTexts)
        header << QString::fromUtf8(text);
    return header;
}

bool Write(RecordKeeper& keeper, const QString& path)
{
    RecordFile* file = keeper.File();
    if (!file || !keeper.Chosen())
        return false;
    QList<Row> rows;
    if (!file->Run([&](QSqlDatabase& db) { return readRows(db, *keeper.Chosen(), rows); }))
        return false;
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.at < b.at; });
    const QStringList header = Header();
    QList<QVariantList> table{QVariantList(header.begin(), header.end())};
    for (const Row& row : rows)
        table.append(row.fields);
    QSaveFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(Csv::Document(table)) >= 0 && out.commit();
}

}  // namespace RecordExport

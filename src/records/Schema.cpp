#include "records/Schema.h"

#include "records/Sql.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>

namespace {

// Every result row names its child, its time (UTC seconds) and its day: the
// child's local calendar day when the result came, as a Julian day number.
// The day is kept so that the practice of a day stays on that day and the
// charts group by it without converting each time. Whole numbers typed as
// doubles take no more room than integers: SQLite stores them as integers.
const char* const Version1[] = {
    "CREATE TABLE child (id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE)",
    "CREATE TABLE setting (key TEXT PRIMARY KEY, value) WITHOUT ROWID",
    "CREATE TABLE bead_run (id INTEGER PRIMARY KEY, child INTEGER NOT NULL, at INTEGER NOT NULL,"
    " day INTEGER NOT NULL, exercise TEXT NOT NULL, questions_asked REAL, seconds_each REAL, digits REAL,"
    " questions REAL NOT NULL, correct REAL NOT NULL, score REAL, seconds REAL NOT NULL)",
    // The indexes hold what 成绩记录 adds up, so that it reads them rather than the rows.
    "CREATE INDEX bead_run_by_child ON bead_run (child, day, at, questions, seconds)",
    "CREATE TABLE column_answer (id INTEGER PRIMARY KEY, child INTEGER NOT NULL, at INTEGER NOT NULL,"
    " day INTEGER NOT NULL, first REAL, second REAL, answer REAL, correct INTEGER NOT NULL, style TEXT,"
    " range TEXT, groups INTEGER NOT NULL, seconds REAL NOT NULL)",
    "CREATE INDEX column_answer_by_child ON column_answer (child, day, correct, groups, seconds)",
    "CREATE TABLE mental_question (id INTEGER PRIMARY KEY, child INTEGER NOT NULL, at INTEGER NOT NULL,"
    " day INTEGER NOT NULL, exercise TEXT NOT NULL, digits INTEGER, count INTEGER, mixed INTEGER,"
    " questions_asked INTEGER, seconds_each REAL, presentation TEXT, numbers TEXT NOT NULL, answer REAL,"
    " right_answer INTEGER, correct INTEGER NOT NULL, seconds REAL NOT NULL)",
    "CREATE INDEX mental_question_by_child ON mental_question (child, day, correct)",
    "CREATE TABLE mental_set (id INTEGER PRIMARY KEY, child INTEGER NOT NULL, at INTEGER NOT NULL,"
    " day INTEGER NOT NULL, exercise TEXT NOT NULL, digits INTEGER, count INTEGER, mixed INTEGER,"
    " questions_asked INTEGER, seconds_each REAL, presentation TEXT, questions INTEGER NOT NULL,"
    " correct INTEGER NOT NULL, seconds REAL NOT NULL)",
    "CREATE INDEX mental_set_by_child ON mental_set (child, day, at)",
};

QSqlError readVersion(QSqlDatabase& db, int* version)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return query.lastError();
    *version = query.value(0).toInt();
    return {};
}

QSqlError createVersion1(QSqlDatabase& db)
{
    for (const char* statement : Version1) {
        const QSqlError error = Sql::Exec(db, QString::fromLatin1(statement));
        if (error.isValid())
            return error;
    }
    return {};
}

}  // namespace

namespace Schema {

QSqlError Upgrade(QSqlDatabase& db)
{
    return Sql::InTransaction(db, [&db] {
        int version = 0;
        QSqlError error = readVersion(db, &version);
        if (!error.isValid() && version == 0)
            error = createVersion1(db);
        if (!error.isValid() && version < Version)
            error = Sql::Exec(db, QStringLiteral("PRAGMA user_version = %1").arg(Version));
        return error;
    });
}

}  // namespace Schema

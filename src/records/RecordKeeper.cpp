#include "records/RecordKeeper.h"

#include "records/RecordFile.h"
#include "records/ResultWriter.h"
#include "records/Sql.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

namespace {

const QString ChosenKey = QStringLiteral("child");
const char* const ResultTables[] = {"bead_run", "column_answer", "mental_question", "mental_set"};

QSqlError remember(QSqlDatabase& db, qint64 child)
{
    return Sql::Exec(db, QStringLiteral("INSERT OR REPLACE INTO setting VALUES (?, ?)"), {ChosenKey, child});
}

}  // namespace

RecordKeeper::RecordKeeper(const QString& path)
    : m_file(std::make_unique<RecordFile>(path))
{
    // A damaged file met while a child is chosen: the fresh file takes the child up again.
    m_file->WhenFresh([this](QSqlDatabase& db) {
        if (!m_chosen)
            return QSqlError();
        QSqlQuery query(db);
        query.prepare(QStringLiteral("INSERT INTO child (name) VALUES (?)"));
        query.addBindValue(m_chosen->name);
        if (!query.exec())
            return query.lastError();
        m_chosen->id = query.lastInsertId().toLongLong();
        return remember(db, m_chosen->id);
    });
}

RecordKeeper::~RecordKeeper()
{
    if (&Course::Results() == this)
        Course::SetResults(Course::NoResults());
}

void RecordKeeper::OpenAtStart()
{
    if (!m_file->Open(false))
        return;
    m_file->Run([this](QSqlDatabase& db) {
        return Sql::Select(db,
                           QStringLiteral("SELECT c.id, c.name FROM setting s JOIN child c ON c.id = s.value"
                                          " WHERE s.key = ?"),
                           {ChosenKey}, [this](const QSqlQuery& row) {
                               m_chosen = Child{row.value(0).toLongLong(), row.value(1).toString()};
                           });
    });
}

bool RecordKeeper::Recording() const { return m_chosen && m_file->Current() == RecordFile::State::Open; }

bool RecordKeeper::Refused() const
{
    return m_file->Current() == RecordFile::State::Newer || m_file->Current() == RecordFile::State::Unwritable;
}

RecordFile* RecordKeeper::File() { return m_file->Current() == RecordFile::State::Open ? m_file.get() : nullptr; }

QList<Child> RecordKeeper::Children()
{
    QList<Child> children;
    if (!m_file->Open(false))
        return children;
    m_file->Run([&children](QSqlDatabase& db) {
        children.clear();
        return Sql::Select(db, QStringLiteral("SELECT id, name FROM child ORDER BY id"), {},
                           [&children](const QSqlQuery& row) {
                               children.append({row.value(0).toLongLong(), row.value(1).toString()});
                           });
    });
    return children;
}

ChildName::Problem RecordKeeper::checkName(const QString& trimmed, qint64 except)
{
    const ChildName::Problem problem = ChildName::Check(trimmed);
    if (problem != ChildName::Problem::None)
        return problem;
    for (const Child& child : Children()) {
        if (child.name == trimmed && child.id != except)
            return ChildName::Problem::Taken;
    }
    return ChildName::Problem::None;
}

ChildName::Problem RecordKeeper::Add(const QString& typed)
{
    const QString name = ChildName::Trimmed(typed);
    const ChildName::Problem problem = checkName(name, 0);
    if (problem != ChildName::Problem::None)
        return problem;
    const bool added = m_file->Open(true) && m_file->Run([&name](QSqlDatabase& db) {
        return Sql::Exec(db, QStringLiteral("INSERT INTO child (name) VALUES (?)"), {name});
    });
    return added ? ChildName::Problem::None : ChildName::Problem::NotSaved;
}

ChildName::Problem RecordKeeper::Rename(qint64 id, const QString& typed)
{
    const QString name = ChildName::Trimmed(typed);
    const ChildName::Problem problem = checkName(name, id);
    if (problem != ChildName::Problem::None)
        return problem;
    const bool renamed = m_file->Run([&](QSqlDatabase& db) {
        return Sql::Exec(db, QStringLiteral("UPDATE child SET name = ? WHERE id = ?"), {name, id});
    });
    if (renamed && chosenId() == id)
        m_chosen->name = name;
    return renamed ? ChildName::Problem::None : ChildName::Problem::NotSaved;
}

int RecordKeeper::RecordCount(qint64 id)
{
    int count = 0;
    m_file->Run([&](QSqlDatabase& db) {
        count = 0;
        for (const char* table : ResultTables) {
            const QSqlError error
                = Sql::Select(db, QStringLiteral("SELECT count(*) FROM %1 WHERE child = ?").arg(QLatin1String(table)),
                              {id}, [&count](const QSqlQuery& row) { count += row.value(0).toInt(); });
            if (error.isValid())
                return error;
        }
        return QSqlError();
    });
    return count;
}

void RecordKeeper::Remove(qint64 id)
{
    m_file->Run([id](QSqlDatabase& db) {
        return Sql::InTransaction(db, [&db, id] {
            QSqlError error;
            for (const char* table : ResultTables) {
                if (!error.isValid())
                    error = Sql::Exec(db, QStringLiteral("DELETE FROM %1 WHERE child = ?").arg(QLatin1String(table)),
                                      {id});
            }
            if (!error.isValid())
                error = Sql::Exec(db, QStringLiteral("DELETE FROM setting WHERE key = ? AND value = ?"),
                                  {ChosenKey, id});
            return error.isValid() ? error : Sql::Exec(db, QStringLiteral("DELETE FROM child WHERE id = ?"), {id});
        });
    });
    if (chosenId() == id)
        m_chosen.reset();
}

void RecordKeeper::Choose(std::optional<qint64> id)
{
    if (!id) {
        m_chosen.reset();
        if (m_file->Open(false))
            m_file->Run([](QSqlDatabase& db) {
                return Sql::Exec(db, QStringLiteral("DELETE FROM setting WHERE key = ?"), {ChosenKey});
            });
        return;
    }
    for (const Child& child : Children()) {
        if (child.id == *id && m_file->Run([&child](QSqlDatabase& db) { return remember(db, child.id); }))
            m_chosen = child;
    }
}

void RecordKeeper::Keep(const BeadRunResult& result) { keep(result); }
void RecordKeeper::Keep(const ColumnAnswerResult& result) { keep(result); }
void RecordKeeper::Keep(const MentalQuestionResult& result) { keep(result); }
void RecordKeeper::Keep(const MentalSetResult& result) { keep(result); }

template <typename Result>
void RecordKeeper::keep(const Result& result)
{
    if (!Recording())
        return;
    // The child is looked up at the write: a fresh file gives it a new id.
    m_file->Run([this, &result](QSqlDatabase& db) { return ResultWriter::Write(db, chosenId(), result); });
}

#include "records/Sql.h"

#include <QSqlDatabase>
#include <QSqlQuery>

namespace {

QSqlError run(QSqlDatabase& db, const QString& statement, const std::function<void(QSqlQuery&)>& bind,
              const std::function<void(const QSqlQuery&)>& row)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(statement))
        return query.lastError();
    bind(query);
    if (!query.exec())
        return query.lastError();
    while (row && query.next())
        row(query);
    // A step through the rows can meet a damaged page too.
    return query.lastError();
}

}  // namespace

namespace Sql {

QSqlError Exec(QSqlQuery& query) { return query.exec() ? QSqlError() : query.lastError(); }

QSqlError Exec(QSqlDatabase& db, const QString& statement, const QVariantList& values)
{
    return Select(db, statement, values, nullptr);
}

QSqlError Select(QSqlDatabase& db, const QString& statement, const QVariantList& values,
                 const std::function<void(const QSqlQuery&)>& row)
{
    return run(db, statement, [&values](QSqlQuery& query) {
        for (const QVariant& value : values)
            query.addBindValue(value);
    }, row);
}

QSqlError SelectNamed(QSqlDatabase& db, const QString& statement, const QVariantMap& named,
                      const std::function<void(const QSqlQuery&)>& row)
{
    return run(db, statement, [&named](QSqlQuery& query) {
        for (auto value = named.begin(); value != named.end(); ++value)
            query.bindValue(value.key(), value.value());
    }, row);
}

QSqlError InTransaction(QSqlDatabase& db, const std::function<QSqlError()>& work)
{
    QSqlError error = Exec(db, QStringLiteral("BEGIN IMMEDIATE"));
    if (error.isValid())
        return error;
    error = work();
    if (!error.isValid())
        error = Exec(db, QStringLiteral("COMMIT"));
    if (error.isValid())
        Exec(db, QStringLiteral("ROLLBACK"));
    return error;
}

int Code(const QSqlError& error) { return error.nativeErrorCode().toInt() & 0xff; }

}  // namespace Sql

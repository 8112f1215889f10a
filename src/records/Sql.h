#pragma once

#include <QSqlError>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

#include <functional>

class QSqlDatabase;
class QSqlQuery;

// Small helpers that turn Qt SQL's booleans into the error to judge.
namespace Sql {

QSqlError Exec(QSqlQuery& query);
QSqlError Exec(QSqlDatabase& db, const QString& statement, const QVariantList& values = {});
// Runs a query and hands each row of its answer to `row`.
QSqlError Select(QSqlDatabase& db, const QString& statement, const QVariantList& values,
                 const std::function<void(const QSqlQuery&)>& row);
// The same with named values (:child), which may stand more than once in the statement.
QSqlError SelectNamed(QSqlDatabase& db, const QString& statement, const QVariantMap& named,
                      const std::function<void(const QSqlQuery&)>& row);
// Runs `work` in one transaction that takes the write lock at once, so that
// a second copy of the program waits for it rather than failing half way.
QSqlError InTransaction(QSqlDatabase& db, const std::function<QSqlError()>& work);
// SQLite's primary result code of a failed statement (SQLITE_CORRUPT is 11).
int Code(const QSqlError& error);

}  // namespace Sql

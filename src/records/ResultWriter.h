#pragma once

#include "course/Results.h"

#include <QSqlError>

class QSqlDatabase;

// One row per result; each write is one statement, and so one transaction.
namespace ResultWriter {

QSqlError Write(QSqlDatabase& db, qint64 child, const BeadRunResult& result);
QSqlError Write(QSqlDatabase& db, qint64 child, const ColumnAnswerResult& result);
QSqlError Write(QSqlDatabase& db, qint64 child, const MentalQuestionResult& result);
QSqlError Write(QSqlDatabase& db, qint64 child, const MentalSetResult& result);

}  // namespace ResultWriter

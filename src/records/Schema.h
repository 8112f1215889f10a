#pragma once

#include <QSqlError>

class QSqlDatabase;

// The tables of the record file. Its version is kept in PRAGMA user_version:
// 0 for a file just made, then the version of the program that last shaped it.
namespace Schema {

inline constexpr int Version = 1;

// Brings a file of an older version (0: empty) up to this one, in one
// transaction; another copy of the program that got there first is fine.
QSqlError Upgrade(QSqlDatabase& db);

}  // namespace Schema

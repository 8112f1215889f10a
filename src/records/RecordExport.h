#pragma once

#include <QString>

class RecordKeeper;

// Every result kept for the chosen child, one row each, oldest first, as a
// table for spreadsheet programs (see Csv).
namespace RecordExport {

// The one header row; its first column, 类型, names the kind of each row.
QStringList Header();
// False when nothing is chosen, or the records or the file could not be used.
bool Write(RecordKeeper& keeper, const QString& path);

}  // namespace RecordExport

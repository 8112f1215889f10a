#pragma once

#include <QByteArray>
#include <QList>
#include <QVariant>

// A table for spreadsheet programs: UTF-8 with a byte-order mark, so that
// they show the Chinese; quoted as RFC 4180 has it, lines ending in CR LF.
// A text that begins with =, +, - or @ gets a leading apostrophe, so that no
// spreadsheet takes it for a formula; numbers are written as numbers.
namespace Csv {

// A field: a string, a number, or nothing (an empty field).
QString Field(const QVariant& value);
QByteArray Document(const QList<QVariantList>& rows);

// Plain decimal text: 12, -3, 0.5; whole numbers without a point.
QString Number(double value);

}  // namespace Csv

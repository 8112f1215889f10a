#pragma once

#include <QString>
#include <QStringView>

// How the exercise windows read a number out of an entry box or a button
// caption, and how they write one. Entries are never rejected: whatever the
// child types counts as the number it starts with.

// The number a text reads as: the longest leading part that reads as a
// decimal number, 0 if there is none (the classic BASIC Val rule).
// - Blanks (space, tab, line feed, ideographic space U+3000) do not count
//   anywhere: the text reads as if they were deleted first. " 5" is 5,
//   "1 2" is 12, and "- 3" is -3 (a sign still belongs to the digits after it).
// - An optional + or -, digits with an optional decimal point (".5", "5."),
//   then an optional exponent E or D with optional sign; an exponent without
//   digits is not part of the number ("1e" and "1e+" are 1).
// - &H (hexadecimal) and &O (octal), either case, with no sign in front:
//   values up to &HFFFF are 16-bit signed (&HFFFF is -1), up to &HFFFFFFFF
//   32-bit signed; leading zeros do not count, and a longer value reads as 0.
// - Only ASCII digits are digits: full-width digits stop the reading.
// - A value beyond the largest double reads as the largest double of its sign,
//   so range checks reject it; one too small for a double reads as 0. The
//   result is never NaN, infinite or -0, and the text is read in one pass.
double ReadNumber(QStringView text);

// Plain decimal text: no leading blank, no separators, minus for negatives,
// never an exponent. Whole numbers are written in full with the fewest digits
// that read back as the same double (12, -1, 9999999999, and 1e20 as 1
// followed by 20 zeros); other numbers with up to 15 significant digits, as
// classic BASIC writes doubles, so 0.1 + 0.2 shows as 0.3. -0 is "0". The
// non-finite values, which no entry produces, are "inf", "-inf" and "nan".
QString NumberText(double value);

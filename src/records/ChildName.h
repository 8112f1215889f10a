#pragma once

#include <QString>

// What a child may be called: 1 to 20 characters once the spaces at both
// ends are gone, counted as characters (a character beyond the basic plane,
// stored as two UTF-16 units, is still one).
namespace ChildName {

inline constexpr int Longest = 20;

enum class Problem {
    None,
    Empty,
    TooLong,
    Taken,
    NotSaved,  // the record file could not take it; a message says why
};

QString Trimmed(const QString& typed);
// Empty or too long; whether the name is taken only the records can say.
Problem Check(const QString& trimmed);

}  // namespace ChildName

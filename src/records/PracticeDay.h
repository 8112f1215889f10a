#pragma once

#include <QDateTime>

// The child's local calendar day of a moment given in UTC seconds, as a
// Julian day number: the day a result counts for.
inline qint64 PracticeDay(qint64 utcSeconds)
{
    return QDateTime::fromSecsSinceEpoch(utcSeconds).date().toJulianDay();
}

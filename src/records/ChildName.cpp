#include "records/ChildName.h"

#include <QList>

namespace ChildName {

QString Trimmed(const QString& typed) { return typed.trimmed(); }

Problem Check(const QString& trimmed)
{
    if (trimmed.isEmpty())
        return Problem::Empty;
    return trimmed.toUcs4().size() > Longest ? Problem::TooLong : Problem::None;
}

}  // namespace ChildName

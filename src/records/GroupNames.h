#pragma once

#include <QString>
#include <QStringList>

// The bead-rule groups as children learn them, in the order of BeadRule::Group.
inline QStringList GroupNames()
{
    return {QStringLiteral("直加直减"), QStringLiteral("满五加破五减"), QStringLiteral("进十加退十减"),
            QStringLiteral("破五进十加退十还五减")};
}

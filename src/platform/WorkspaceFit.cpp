#include "platform/WorkspaceFit.h"

#include <QSettings>
#include <QString>

namespace {

bool g_enlarging = false;
const QString Key = QStringLiteral("windows/enlargeToWorkspace");

}  // namespace

namespace WorkspaceFit {

bool Enlarging() { return g_enlarging; }

void Choose(bool enlarging)
{
    g_enlarging = enlarging;
    QSettings().setValue(Key, enlarging);
}

void Recall() { g_enlarging = QSettings().value(Key, false).toBool(); }

}  // namespace WorkspaceFit

#include "shell/modsub.h"

#include "abacus/Colours.h"
#include "abacus/ProgramWide.h"
#include "platform/ClockSeededRandom.h"
#include "platform/EventLoopWaiter.h"
#include "platform/Fonts.h"
#include "platform/Platform.h"
#include "platform/ProgramIcon.h"
#include "platform/QtTranslation.h"
#include "shell/frmMain.h"

#include <QApplication>

namespace modsub {

std::unique_ptr<frmMain> Main()
{
    static ClockSeededRandom random(Platform::ProgramClock());
    static EventLoopWaiter waiter;

    ProgramWide::RestColor = Colours::Rest;
    ProgramWide::ColorfulBeads = false;
    ProgramWide::CountColor = Colours::Count;
    ProgramWide::SetRandom(random);
    ProgramWide::SetWaiter(waiter);
    if (auto* application = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        Fonts::InstallDefault(*application);
        QtTranslation::InstallChinese(*application);
        ProgramIcon::Install();
    }

    // The records go to ~/.local/share/lingxi-shufang, whatever the executable is called.
    QCoreApplication::setApplicationName(QStringLiteral("lingxi-shufang"));
    auto mainWindow = std::make_unique<frmMain>();
    mainWindow->OpenRecords();
    mainWindow->ShowFitted();
    return mainWindow;
}

}  // namespace modsub

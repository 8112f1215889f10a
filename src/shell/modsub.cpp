#include "platform/modsub.h"

#include "abacus/Colours.h"
#include "abacus/ProgramWide.h"
#include "platform/ClockSeededRandom.h"
#include "platform/EventLoopWaiter.h"
#include "platform/Fonts.h"
#include "platform/Platform.h"
#include "platform/ProgramIcon.h"
#include "platform/QtTranslation.h"
#include "platform/WorkspaceFit.h"
#include "shell/frmMain.h"

#include <QApplication>

namespace modsub {

std::unique_ptr<frmMain> Main()
{
    static ClockSeededRandom random(Platform::ProgramClock());
    static ClockSeededRandom beadColours(Platform::ProgramClock(), ClockSeededRandom::Reseed::Replace);
    static EventLoopWaiter waiter;

    ProgramWide::RestColor = Colours::Rest;
    ProgramWide::ColorfulBeads = false;
    ProgramWide::CountColor = Colours::Count;
    ProgramWide::SetRandom(random);
    ProgramWide::SetBeadColours(beadColours);
    ProgramWide::SetWaiter(waiter);
    // Where the program's settings are kept: under ~/.config/qinghexiaozhu/.
    QCoreApplication::setOrganizationName(QStringLiteral("qinghexiaozhu"));
    QCoreApplication::setApplicationName(QStringLiteral("lingxi-shufang"));
    WorkspaceFit::Recall();
    if (auto* application = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        Fonts::InstallDefault(*application);
        QtTranslation::InstallChinese(*application);
        ProgramIcon::Install();
    }

    auto mainWindow = std::make_unique<frmMain>();
    mainWindow->OpenRecords();
    mainWindow->ShowFitted();
    return mainWindow;
}

}  // namespace modsub

#include "app/VelloryApplication.h"
#include "app/frmSplash.h"
#include "platform/DesktopPlatform.h"
#include "platform/qt/QtUserInterface.h"
#include "platform/qt/SingleWindow.h"

int main(int argc, char *argv[])
{
    vellory::VelloryApplication app(argc, argv);
    vellory::QtUserInterface ui;
    const auto platform = vellory::CreateSystemPlatform(ui);
    vellory::InstallPlatform(platform.get());
    const int status = app.run([] { vellory::ShowSingleWindow<vellory::frmSplash>(); });
    vellory::InstallPlatform(nullptr);
    return status;
}

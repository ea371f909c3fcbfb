// Corvane, the administration tool, on Linux: Qt windows beside actsim, the simulated ACT!.
#include "admin/AdminProgram.h"
#include "admin/RightsReportCommand.h"
#include "platform/linux/ActRegistration.h"
#include "platform/linux/DesktopShell.h"
#include "platform/linux/LinuxActFactory.h"
#include "platform/qt/QtSession.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
    using namespace corvane;
    QApplication application(argc, argv);
    // ACT! is the actsim that runs for this user; restarting ACT! opens its database with the actsim
    // beside this program.
    using platform::linux_desktop::ActRegistration;
    platform::linux_desktop::LinuxActFactory factory(ActRegistration(ActRegistration::userFolder()));
    platform::linux_desktop::DesktopShell shell(QApplication::applicationDirPath().toStdString() + "/actsim");
    forms::qt::QtSession session({.title = "Corvane",
                                  .major = CORVANE_VERSION_MAJOR,
                                  .minor = CORVANE_VERSION_MINOR,
                                  .revision = CORVANE_VERSION_PATCH},
                                 forms::qt::InstanceLock::userFolder(), {.shell = &shell});
    if (argc > 1 && argv[1] == admin::kRightsReportOption) {
        return admin::runRightsReportCommand(
            {argv + 1, argv + argc}, factory, session.settings, session.app,
            [](std::string_view text) { std::fwrite(text.data(), 1, text.size(), stderr); });
    }
    bool started = false;
    session.runtime.dispatch([&] {
        admin::AdminProgram program(session.runtime, factory, session.settings);
        started = true;
        program.start();
        session.run();
    });
    return started ? 0 : 1;
}

// CorvaneEditMode, the edit-mode trigger, on Linux: Qt windows beside actsim, the simulated ACT!.
#include "trigger/CorvaneEditMode.h"
#include "platform/linux/ActRegistration.h"
#include "platform/linux/DesktopFeed.h"
#include "platform/linux/DesktopKeySender.h"
#include "platform/linux/LinuxActFactory.h"
#include "platform/qt/QtSession.h"

#include <QApplication>

#include <optional>

int main(int argc, char** argv) {
    using namespace corvane;
    using namespace corvane::platform::linux_desktop;
    QApplication application(argc, argv);
    // ACT! is the actsim that runs for this user; its window, its focused field and the keys sent to
    // it are on the desktop that actsim shares through its database.
    LinuxActFactory factory(ActRegistration(ActRegistration::userFolder()));
    sim::Engine* act = factory.engine();
    std::optional<DesktopKeySender> keys;
    if (act != nullptr) {
        keys.emplace(act->desktop());
    }
    forms::qt::QtSession session({.title = "Corvane Edit Mode",
                                  .major = CORVANE_VERSION_MAJOR,
                                  .minor = CORVANE_VERSION_MINOR,
                                  .revision = CORVANE_VERSION_PATCH},
                                 forms::qt::InstanceLock::userFolder(), {.keys = keys ? &*keys : nullptr});
    bool started = false;
    session.runtime.dispatch([&] {
        std::optional<DesktopFeed> desktop;
        QObject listener; // goes before the feed does, and the connection with it
        if (act != nullptr) {
            desktop.emplace(session.runtime, session.windows, *act, session.keys, QApplication::applicationPid());
            // A click into a program off the shared desktop takes the front from the trigger's form too.
            QObject::connect(&application, &QGuiApplication::applicationStateChanged, &listener,
                             [&](Qt::ApplicationState state) {
                                 if (state != Qt::ApplicationActive) {
                                     session.runtime.dispatch([&] { desktop->programLeftTheFront(); });
                                 }
                             });
        }
        trigger::CorvaneEditMode program(session.runtime, factory, session.settings, session.windows);
        started = true;
        program.start();
        session.run();
    });
    return started ? 0 : 1;
}

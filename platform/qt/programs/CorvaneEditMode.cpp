// CorvaneEditMode, the edit-mode trigger, on Linux: Qt windows over the shared simulated ACT!.
#include "trigger/CorvaneEditMode.h"
#include "platform/qt/QtSession.h"
#include "platform/qt/programs/SharedActFile.h"
#include "sim/act/SimFactory.h"
#include "sim/engine/Engine.h"

#include <QApplication>

int main(int argc, char** argv) {
    using namespace corvane;
    QApplication application(argc, argv);
    forms::qt::QtSession session({.title = "Corvane Edit Mode",
                                  .major = CORVANE_VERSION_MAJOR,
                                  .minor = CORVANE_VERSION_MINOR,
                                  .revision = CORVANE_VERSION_PATCH});
    bool started = false;
    // A simulated ACT! that cannot be opened is told like any other failure, in a message box.
    session.runtime.dispatch([&] {
        sim::Engine engine(forms::qt::sharedActFile());
        sim::SimFactory factory(engine);
        trigger::CorvaneEditMode program(session.runtime, factory, session.settings, session.windows);
        started = true;
        program.start();
        session.run();
    });
    return started ? 0 : 1;
}

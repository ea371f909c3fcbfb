// actsim.exe: the simulated ACT! on Windows. Run as ACT! it opens the database named on its command
// line (else the demo database "Sales" in the user's local application data), serves ACT!'s
// automation classes to other processes, notes for the event control that it runs, and shows its
// window until its user (or command 150) closes it. With /regserver or /unregserver it registers or
// removes its classes for this user and ends. See ActsimCommandLine.h for its arguments.
#include "common/RuntimeError.h"
#include "platform/win32/files/ModulePath.h"
#include "platform/win32/ui/OleSession.h"
#include "sim/act/SimFactory.h"
#include "sim/fault/FaultyFactory.h"
#include "sim/win32/actsim/ActsimCommandLine.h"
#include "sim/win32/actsim/ActsimDatabase.h"
#include "sim/win32/actsim/ActsimWindow.h"
#include "sim/win32/actsim/CallLog.h"
#include "sim/win32/actsim/ClassObjects.h"
#include "sim/win32/actsim/ClassRegistration.h"
#include "sim/win32/common/ActsimNote.h"
#include "sim/win32/common/Files.h"

#include <optional>
#include <stdexcept>

namespace {

using namespace corvane;
using namespace corvane::sim::win32;

int runAsAct(HINSTANCE instance, const ActsimCommandLine& line, const std::shared_ptr<const TypeLibrary>& library) {
    const std::string path = line.database.empty() ? defaultDatabasePath() : fullPathOf(line.database);
    const auto engine = openActsimDatabase(path);
    sim::SimFactory simulated(*engine);
    sim::FaultInjector injector;
    for (const auto& [member, error] : line.faults) {
        injector.failWith(member, error);
    }
    sim::FaultyFactory faulty(simulated, injector);
    act::ActFactory& factory = line.faults.empty() ? static_cast<act::ActFactory&>(simulated) : faulty;

    std::optional<CallLog> log;
    if (!line.callLog.empty()) {
        log.emplace(line.callLog);
    }

    // COM ends before the engine and the log go: the objects that clients still hold are released with it.
    const forms::win32::OleSession ole;
    ActsimWindow window(instance, *engine, folderOf(corvane::win32::modulePath()));
    const ClassObjects classes(factory, library, log ? &*log : nullptr);
    const ActsimNote::Publication note(GetCurrentProcessId(), path);
    window.show();
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

void fail(const std::string& text) {
    MessageBoxA(nullptr, text.c_str(), "actsim", MB_OK | MB_ICONERROR);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int /*show*/) {
    try {
        const ActsimCommandLine line = ActsimCommandLine::parse(processArguments());
        const auto library = std::make_shared<const TypeLibrary>(thisModule());
        switch (line.mode) {
        case ActsimCommandLine::Mode::Register:
            ClassRegistration::registerServer(corvane::win32::modulePath(), *library);
            return 0;
        case ActsimCommandLine::Mode::Unregister:
            ClassRegistration::unregisterServer(*library);
            return 0;
        case ActsimCommandLine::Mode::Run:
            return runAsAct(instance, line, library);
        }
    } catch (const RuntimeError& error) {
        fail(error.description());
    } catch (const std::exception& error) {
        // An argument actsim does not know, for instance.
        fail(error.what());
    }
    return 1;
}

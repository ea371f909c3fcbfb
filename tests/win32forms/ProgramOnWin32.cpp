#include "tests/win32forms/ProgramOnWin32.h"

#include "common/Paths.h"
#include "sim/demo/DemoDatabase.h"

#include <filesystem>

namespace corvane::forms::win32::test {

ProgramOnWin32::ProgramOnWin32(std::string title) : session(testFacts(std::move(title))) {
    sim::loadDemoDatabase(engine, joinPath("Data", "Sales.dbf"));
    std::filesystem::create_directory(folder.path() / "Settings");
    settings.Save(kAppName, kSettingsSection, "ListPath", settingsFile(""));
    settings.Save(kAppName, kSettingsSection, "UsersPath", settingsFile("Users.dat"));
    // The administrator may change everything; Sam may only fill empty fields.
    corvane::test::writeBytes(settingsFile("Users.dat"), "[Sales]\r\nGlobalF=K7Q2M9X1\r\nGlobalI=P3R8T4V6\r\n");
}

std::string ProgramOnWin32::settingsFile(const std::string& name) const {
    const std::string settingsFolder = (folder.path() / "Settings").string();
    return name.empty() ? settingsFolder : joinPath(settingsFolder, name);
}

HWND ProgramOnWin32::windowOf(Form& form) {
    FormWindow* window = session.backend.windowOf(form);
    return window != nullptr ? window->window() : nullptr;
}

} // namespace corvane::forms::win32::test

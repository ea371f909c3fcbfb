// One whole run of the trigger, from start-up to the value form shown, beside the time to read the
// two files it reads: a Users.dat of 5,000 users and a field settings file of 2,000 items.
#include "common/FieldSettingsFile.h"
#include "common/FileIo.h"
#include "common/MemorySettingsStore.h"
#include "common/Paths.h"
#include "common/ProfileDocument.h"
#include "common/Rights.h"
#include "forms/headless/HeadlessSession.h"
#include "sim/act/SimFactory.h"
#include "sim/demo/DemoDatabase.h"
#include "sim/engine/ActState.h"
#include "sim/engine/Engine.h"
#include "trigger/CorvaneEditMode.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace corvane;

// Field 15 has the settings file of 2,000 items; field 21 has none (free text, no list).
constexpr int16_t kListField = 15;
constexpr int32_t kActThread = 7;
constexpr int kUsers = 5000;
constexpr int kItems = 2000;

/// A program folder with Settings/Users.dat and Settings/Sales15.dat. The logged-in user of the demo
/// database is the last of the 5,000 in "GlobalF", so the whole list is searched.
const std::string& programFolder() {
    static const std::string folder = [] {
        const auto root = std::filesystem::temp_directory_path() / "corvane-bench-trigger";
        std::filesystem::create_directories(root / "Settings");
        std::string ids;
        for (int u = 1; u < kUsers; ++u) {
            char id[16];
            std::snprintf(id, sizeof id, "U%07d", u);
            ids += id;
        }
        ids += "K7Q2M9X1";
        replaceFile((root / "Settings" / "Users.dat").string(),
                    "[Other]\r\nGlobalF=X\r\n[Sales]\r\nGlobalF=" + ids + "\r\nGlobalI=" + ids + "\r\n");
        std::string list = "OnlyFromDropdown=1\r\nAllowEditing=1\r\n";
        for (int i = 0; i < kItems; ++i) {
            list += "Item number " + std::to_string((i * 7919) % kItems) + "\r\n";
        }
        replaceFile((root / "Settings" / "Sales15.dat").string(), list);
        return root.string();
    }();
    return folder;
}

std::string settingsFile(const char* name) {
    return joinPath(joinPath(programFolder(), "Settings"), name);
}

void ReadBothFiles(benchmark::State& state) {
    for (auto _ : state) {
        const std::string users = readWholeFile(settingsFile("Users.dat"));
        const std::string list = readWholeFile(settingsFile("Sales15.dat"));
        benchmark::DoNotOptimize(users.data());
        benchmark::DoNotOptimize(list.data());
    }
}
BENCHMARK(ReadBothFiles)->Unit(benchmark::kMicrosecond);

/// The file work of a run without the rest: the rights decision on Users.dat and the items of the
/// settings file read into memory (not yet sorted).
void DecideAndReadItems(benchmark::State& state) {
    for (auto _ : state) {
        const ProfileDocument users = ProfileDocument::load(settingsFile("Users.dat"));
        benchmark::DoNotOptimize(rightsLevel("K7Q2M9X1", effectiveRightsLists(users, "Sales", "15")));
        FieldSettingsReader reader(settingsFile("Sales15.dat"));
        benchmark::DoNotOptimize(triggerFlag(reader.nextLine(), kOnlyFromDropdownPrefix));
        benchmark::DoNotOptimize(triggerFlag(reader.nextLine(), kAllowEditingPrefix));
        std::vector<std::string> items;
        reader.readItems([&](std::string_view item) { items.emplace_back(item); });
        benchmark::DoNotOptimize(items.data());
    }
}
BENCHMARK(DecideAndReadItems)->Unit(benchmark::kMicrosecond);

/// ACT! is running with the demo database open; each iteration is one run of the trigger on a fresh
/// forms runtime, ending when the value form is shown. The argument is the field entered.
void WholeTriggerRun(benchmark::State& state) {
    const auto field = static_cast<int16_t>(state.range(0));
    const int expectedItems = field == kListField ? kItems : 0;
    sim::Engine engine(":memory:");
    sim::loadDemoDatabase(engine, joinPath("Data", "Sales.dbf"));
    engine.state().setFocusField(field);
    sim::SimFactory factory(engine);
    MemorySettingsStore settings;
    bool shown = true;
    for (auto _ : state) {
        forms::headless::HeadlessSession session(
            {.path = programFolder(), .exeName = "CorvaneEditMode", .title = "Corvane Edit Mode"});
        const forms::Hwnd act = session.windows.addWindow(kActThread, "ACT", {0, 0, 1024, 768});
        const forms::Hwnd edit = session.windows.addWindow(kActThread, "Edit", {100, 300, 300, 320});
        session.windows.setFocus(kActThread, edit);
        engine.setForegroundListener([&](int16_t) { session.windows.bringToFront(act); });
        trigger::CorvaneEditMode trigger(session.runtime, factory, settings, session.windows);
        trigger.start();
        shown = shown && trigger.mainForm().Visible() && trigger.mainForm().lstNewValue.ListCount() == expectedItems;
    }
    engine.setForegroundListener({});
    if (!shown) {
        state.SkipWithError("the value form was not shown with the whole list");
    }
}
BENCHMARK(WholeTriggerRun)->Arg(kListField)->Arg(21)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

// The administration tool's start-up and one field selection against a simulated ACT! with many
// users and fields: the time, and the number of ACT! calls made (counted by the fault-injection
// wrapper's call log). Both should grow linearly with users + fields.
#include "admin/AdminProgram.h"
#include "common/FileIo.h"
#include "common/MemorySettingsStore.h"
#include "common/Paths.h"
#include "forms/headless/HeadlessSession.h"
#include "tests/support/SimulatedAct.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

namespace {

using namespace corvane;

std::string uniqueId(int user) {
    char id[16];
    std::snprintf(id, sizeof id, "ID%06d", user);
    return id;
}

/// A program folder with a Settings folder: Users.dat gives half the users Full rights globally and
/// field 2 its own lists; field 2's settings file holds 50 items.
std::string programFolder(int users) {
    const auto folder = std::filesystem::temp_directory_path() / ("corvane-admin-bench-" + std::to_string(users));
    const std::string settings = joinPath(folder.string(), "Settings");
    std::filesystem::create_directories(settings);
    std::string global;
    std::string own;
    for (int user = 1; user <= users; ++user) {
        (user % 2 == 0 ? global : own) += uniqueId(user);
    }
    replaceFile(joinPath(settings, "Users.dat"), "[Sales]\r\nGlobalF=" + global + "\r\n2F=" + own + "\r\n");
    std::string list = "OnlyFromDropdown=1\r\nAllowEditing=1\r\n";
    for (int item = 0; item < 50; ++item) {
        list += "Item " + std::to_string(item) + "\r\n";
    }
    replaceFile(joinPath(settings, "Sales2.dat"), list);
    return folder.string();
}

/// A simulated ACT! with the users and fields (every other field protected, every tenth index a
/// hole), and the tool composed on the headless backend.
struct World : test::SimulatedAct {
    World(int users, int fields, const std::string& folder) {
        session.failures.setHandler([this](const std::string&) { ++failures; });
        session.app.facts().path = folder;
        engine.transaction([&] {
            engine.state().openDatabase("/data/Sales.dbf");
            for (int user = 1; user <= users; ++user) {
                engine.users().add("User " + std::to_string(user), uniqueId(user), user == 1 ? 5 : 3);
            }
            int16_t index = 0;
            for (int field = 1; field <= fields; ++index) {
                if (index % 10 == 9) {
                    engine.fields().clearIndex(index);
                    continue;
                }
                engine.fields().put({.index = index,
                                     .number = static_cast<int16_t>(field + 1),
                                     .label = "Field " + std::to_string(field),
                                     .entryRule = field % 2 == 1 ? 3 : 0});
                ++field;
            }
            engine.state().setLoggedInUser(1);
            engine.state().setFocusField(-1);
        });
    }

    void startAndSelectAField() {
        program = std::make_unique<admin::AdminProgram>(session.runtime, factory, settings);
        program->start();
        forms::ComboBox& fields = program->mainForm().cboFields;
        for (int32_t index = 0; index < fields.ListCount(); ++index) {
            if (fields.ItemData(index) == 2) {
                session.user.pick(fields, index);
            }
        }
    }

    forms::headless::HeadlessSession session;
    MemorySettingsStore settings;
    std::unique_ptr<admin::AdminProgram> program;
    int failures = 0;
};

void AdminStartupAndFieldSelection(benchmark::State& state) {
    const int users = static_cast<int>(state.range(0));
    const int fields = static_cast<int>(state.range(1));
    const std::string folder = programFolder(users);
    size_t calls = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto world = std::make_unique<World>(users, fields, folder);
        state.ResumeTiming();
        world->startAndSelectAField();
        state.PauseTiming();
        calls = world->injector.calls().size();
        if (world->failures != 0 || !world->session.msgBox.shown().empty()) {
            state.SkipWithError("start-up did not run cleanly");
        }
        world.reset();
        state.ResumeTiming();
    }
    std::filesystem::remove_all(folder);
    state.counters["act_calls"] = static_cast<double>(calls);
    state.counters["calls_per_item"] = static_cast<double>(calls) / (users + fields);
}
BENCHMARK(AdminStartupAndFieldSelection)
    ->Args({500, 125})
    ->Args({1000, 250})
    ->Args({2000, 500})
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

// Start-up of the real Linux programs as processes, each beside the bare Qt window (bench/BareWindow)
// started in the same iteration, so that the ratio holds while the machine's load changes:
//   - CorvaneEditMode entering ID/Status, whose settings file lists 2,000 items (or none: argument 0),
//     with a Users.dat of 5,000 users and the logged-in user last;
//   - Corvane with 2,000 users and 500 protected fields;
//   - bench/TextWindow, the bare window with one line of text: what the toolkit itself needs before a
//     window with text can show (fonts), which the bare window puts off until after it shows.
// Each runs against a simulated ACT! prepared in a private folder, as actsim would publish it.
//
// The programs run on the xcb platform of a private Xvfb server rather than offscreen: offscreen has
// no window system to watch, while on X the map of a program's top-level window is observed from
// outside (MapWatcher), with no hook in the programs; this also takes the real X connection and
// font set-up into the figures, as on a user's desktop. Every observed window is checked by its title,
// and the trigger's also by the simulated ACT!'s record that its form came to the front.
//
// Run (Xvfb must be installed; DISPLAY is not used):
//   cmake --build build/default --target process_startup_bench    (builds the programs too)
//   build/default/bench/process_startup_bench
// Counters, in milliseconds from spawn to window mapped: `ms` (median) with `ms_p10`/`ms_p90`,
// the same for `bare_ms`, `ratio` (median over the bare median) and `pair_ratio` (median of the
// ratios of each pair); `cpu_ms` and `bare_cpu_ms` are the median processor times of the processes,
// stopped as soon as their window showed, which the load of other builds disturbs less.
#include "bench/MapWatcher.h"
#include "bench/SpawnedProgram.h"
#include "bench/StartupSamples.h"
#include "bench/XvfbServer.h"
#include "common/FileIo.h"
#include "common/IniSettingsStore.h"
#include "common/Paths.h"
#include "common/SettingsStore.h"
#include "platform/linux/ActRegistration.h"
#include "sim/demo/DemoDatabase.h"
#include "sim/engine/ActState.h"
#include "sim/engine/DesktopStore.h"
#include "sim/engine/Engine.h"
#include "sim/engine/FieldStore.h"
#include "sim/engine/UserStore.h"
#include "tests/support/WaitFor.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace {

using namespace corvane;

constexpr int16_t kListField = 15;
constexpr const char* kLoggedInUser = "K7Q2M9X1"; // the demo database's administrator
constexpr auto kShowTimeout = std::chrono::seconds(30);
constexpr int kPairs = 40;

std::string userId(int user) {
    char id[16];
    std::snprintf(id, sizeof id, "U%07d", user);
    return id;
}

/// The unique ids of `count` users, the logged-in user last, as one rights value.
std::string rightsValue(int count) {
    std::string ids;
    for (int user = 1; user < count; ++user) {
        ids += userId(user);
    }
    return ids + kLoggedInUser;
}

/// An environment variable set for the programs started while the object lives, as it was again after.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedVariable() {
        if (old_) {
            ::setenv(name_, old_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

/// A fresh folder with the sub-folders a user's programs need.
std::filesystem::path userFolder(const std::string& name) {
    const auto root = std::filesystem::temp_directory_path() / ("corvane-" + name + "-" + std::to_string(getpid()));
    for (const char* sub : {"run", "Settings", "config"}) {
        std::filesystem::create_directories(root / sub);
    }
    std::filesystem::permissions(root / "run", std::filesystem::perms::owner_all);
    return root;
}

/// A private user folder: the runtime folder where ACT! is published, the configuration folder with the
/// programs' settings (pointing at Settings/) and the simulated ACT!'s database "Sales". The programs
/// started while it lives find this ACT! and these settings through their environment.
class World {
public:
    explicit World(const std::string& name) : root_(userFolder(name)) {
        IniSettingsStore settings(path("config"));
        settings.Save(kAppName, kSettingsSection, "ListPath", path("Settings"));
        settings.Save(kAppName, kSettingsSection, "UsersPath", settingsFile("Users.dat"));
        sim::loadDemoDatabase(act_, database_);
    }
    ~World() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    std::string path(const char* sub) const { return (root_ / sub).string(); }
    std::string settingsFile(const char* name) const { return joinPath(path("Settings"), name); }
    /// Publishes this ACT! as the one that runs for the user.
    void publish() { registration_.publish(getpid(), database_); }
    /// The simulated ACT!'s engine on the shared database.
    sim::Engine& act() { return act_; }

private:
    std::filesystem::path root_;
    ScopedVariable runtimeFolder_{"XDG_RUNTIME_DIR", path("run")};
    ScopedVariable configFolder_{"XDG_CONFIG_HOME", path("config")};
    std::string database_ = path("Sales.dbf");
    platform::linux_desktop::ActRegistration registration_{path("run")};
    sim::Engine act_{database_};
};

/// ACT! with ID/Status (15) focused as an "Edit" in front; Users.dat gives 5,000 users full rights,
/// the logged-in user last; the field's settings file lists `items` items (no file for 0).
struct TriggerWorld : World {
    explicit TriggerWorld(int items) : World("trigger-bench") {
        replaceFile(settingsFile("Users.dat"),
                    "[Other]\r\nGlobalF=X\r\n[Sales]\r\nGlobalF=" + rightsValue(5000) + "\r\n");
        if (items > 0) {
            std::string list = "OnlyFromDropdown=1\r\nAllowEditing=1\r\n";
            for (int i = 0; i < items; ++i) {
                list += "Item number " + std::to_string((i * 7919) % items) + "\r\n";
            }
            replaceFile(settingsFile("Sales15.dat"), list);
        }
        act().state().setFocusField(kListField);
        actWindow = act().desktop().addWindow(getpid(), getpid(), "ActsimMain", {0, 0, 800, 600});
        act().desktop().setActWindow(actWindow);
        act().desktop().focusActControl("Edit", {100, 300, 300, 320});
        publish();
    }

    /// ACT! in front again, as after the user left the previous field.
    void actInFront() { act().desktop().setForeground(actWindow, getpid()); }
    /// The simulated ACT!'s record that the trigger's form came to the front, which the trigger writes
    /// just after it asked for the window to show.
    bool formInFront(pid_t trigger) {
        return test::waitFor([&] { return act().desktop().foreground().owner == trigger; });
    }

    int32_t actWindow = 0;
};

/// ACT! with 2,000 users and 500 protected fields (the demo's and more), the administrator logged in;
/// Users.dat gives every user full rights.
struct AdminWorld : World {
    AdminWorld() : World("admin-bench") {
        act().transaction([&] {
            for (int user = act().users().count() + 1; user <= 2000; ++user) {
                act().users().add("User " + std::to_string(user), userId(user), 3);
            }
            const int16_t first = static_cast<int16_t>(*act().fields().lastIndex() + 1);
            for (int16_t field = 0; field < 495; ++field) {
                act().fields().put({.index = static_cast<int16_t>(first + field),
                                    .number = static_cast<int16_t>(100 + field),
                                    .label = "Protected " + std::to_string(field),
                                    .entryRule = 3});
            }
        });
        replaceFile(settingsFile("Users.dat"), "[Sales]\r\nGlobalF=" + rightsValue(2000) + "\r\n");
        publish();
    }
};

/// Time from spawn to the first top-level window mapped, and the processor time used; fails (nothing)
/// when no window came, when it is not the expected one, or when `confirm` rejects the started process.
std::optional<bench::StartupSamples::Start> timeToWindow(bench::MapWatcher& watcher, const std::string& program,
                                                         const std::string& title,
                                                         const std::function<bool(pid_t)>& confirm = {}) {
    watcher.forgetPending();
    const auto start = std::chrono::steady_clock::now();
    bench::SpawnedProgram running(program);
    const std::optional<bench::MappedWindow> mapped = watcher.waitForMap(kShowTimeout);
    if (!mapped) {
        std::cerr << program << ": no window within " << kShowTimeout.count() << " s\n";
        return std::nullopt;
    }
    if (const std::string seen = watcher.title(mapped->window); seen != title) {
        std::cerr << program << ": the window shown was \"" << seen << "\", not \"" << title << "\"\n";
        return std::nullopt;
    }
    if (confirm && !confirm(running.pid())) {
        std::cerr << program << ": the window was not confirmed\n";
        return std::nullopt;
    }
    const double ms = std::chrono::duration<double, std::milli>(mapped->at - start).count();
    return bench::StartupSamples::Start{ms, running.stop()};
}

bench::MapWatcher& watcher() {
    static bench::MapWatcher watching(std::getenv("DISPLAY"));
    return watching;
}

/// Runs the program and the bare window in turns; `prepare` sets the world up before each program run.
void compareWithBareWindow(benchmark::State& state, const std::string& program, const std::string& title,
                           const std::function<void()>& prepare, const std::function<bool(pid_t)>& confirm) {
    bench::StartupSamples samples;
    for (auto _ : state) {
        const auto bare = timeToWindow(watcher(), CORVANE_BARE_WINDOW_PROGRAM, "Bare window");
        prepare();
        const auto shown = timeToWindow(watcher(), program, title, confirm);
        if (!bare || !shown) {
            state.SkipWithError("a window was not shown; see the error output");
            return;
        }
        samples.add(*shown, *bare);
        state.SetIterationTime(shown->ms / 1000.0);
    }
    samples.report(state);
}

void TriggerToFormShown(benchmark::State& state) {
    TriggerWorld world(static_cast<int>(state.range(0)));
    compareWithBareWindow(
        state, CORVANE_TRIGGER_PROGRAM, "705", [&] { world.actInFront(); },
        [&](pid_t trigger) { return world.formInFront(trigger); });
}
BENCHMARK(TriggerToFormShown)->Arg(2000)->Arg(0)->Iterations(kPairs)->UseManualTime()->Unit(benchmark::kMillisecond);

/// The yardstick's yardstick: how much later than the bare window a window shows that has text.
void TextWindowToShown(benchmark::State& state) {
    World world("text-bench");
    compareWithBareWindow(state, CORVANE_TEXT_WINDOW_PROGRAM, "Text window", [] {}, {});
}
BENCHMARK(TextWindowToShown)->Iterations(kPairs)->UseManualTime()->Unit(benchmark::kMillisecond);

void AdminToWindowShown(benchmark::State& state) {
    AdminWorld world;
    compareWithBareWindow(state, CORVANE_ADMIN_PROGRAM, "Corvane", [] {}, {});
}
BENCHMARK(AdminToWindowShown)->Iterations(kPairs)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    try {
        // Every program of the run shows its windows on this server, through Qt's X11 platform.
        const corvane::bench::XvfbServer server;
        ::setenv("DISPLAY", server.display().c_str(), 1);
        ::setenv("QT_QPA_PLATFORM", "xcb", 1);
        benchmark::RunSpecifiedBenchmarks();
    } catch (const std::runtime_error& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    benchmark::Shutdown();
    return 0;
}

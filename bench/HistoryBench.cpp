// Reading a change history of 100,000 records: the file into rows (parse, names, newest first), and
// the whole dialog opening over it (rows, filters and list) against a simulated ACT!. Both should
// stay well under a second.
#include "admin/HistoryTable.h"
#include "admin/frmHistory.h"
#include "common/ChangeHistory.h"
#include "common/FileIo.h"
#include "common/Paths.h"
#include "common/Text.h"
#include "forms/headless/HeadlessSession.h"
#include "sim/act/SimFactory.h"
#include "sim/engine/Engine.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <string>

namespace {

using namespace corvane;

constexpr int kRecords = 100'000;
constexpr int kUsers = 50;
constexpr int kFields = 30;

std::string userId(int user) {
    return "ID" + text::decimal(user);
}

/// A folder with Users.dat's place and "Sales.history": 100,000 changes by 50 users in 30 fields.
const std::string& usersPath() {
    static const std::string path = [] {
        const auto folder = std::filesystem::temp_directory_path() / "corvane-history-bench";
        std::filesystem::create_directories(folder);
        const std::string users = joinPath(folder.string(), "Users.dat");
        std::string history(ChangeHistory::kHeaderLine);
        for (int n = 0; n < kRecords; ++n) {
            history += ChangeHistory::formatRecord({std::chrono::sys_seconds{std::chrono::seconds{1'800'000'000 + n}},
                                                    userId(n % kUsers), static_cast<int16_t>(1 + n % kFields),
                                                    "Value before change " + text::decimal(n),
                                                    "Value after change " + text::decimal(n)});
        }
        replaceFile(ChangeHistory::historyPath(users, "Sales"), history);
        return users;
    }();
    return path;
}

void ReadHistoryIntoRows(benchmark::State& state) {
    std::map<std::string, std::string> names;
    for (int user = 0; user < kUsers; ++user) {
        names[userId(user)] = "User " + text::decimal(user);
    }
    std::map<int16_t, std::string> labels;
    for (int16_t field = 1; field <= kFields; ++field) {
        labels[field] = "Field " + text::decimal(field);
    }
    for (auto _ : state) {
        const auto content = ChangeHistory::parse(readWholeFile(ChangeHistory::historyPath(usersPath(), "Sales")));
        const admin::HistoryTable table(content, names, labels);
        benchmark::DoNotOptimize(table.rows().data());
    }
}
BENCHMARK(ReadHistoryIntoRows)->Unit(benchmark::kMillisecond);

/// Reports nothing: the benchmark's ACT! and file are always readable.
struct NoReports : ErrorSink {
    void showErrorReport(const std::string&, const std::string&) override {}
};

void OpenHistoryDialog(benchmark::State& state) {
    sim::Engine engine(":memory:");
    engine.transaction([&] {
        engine.state().openDatabase("/data/Sales.dbf");
        for (int user = 0; user < kUsers; ++user) {
            engine.users().add("User " + text::decimal(user), userId(user), 3);
        }
        for (int16_t field = 1; field <= kFields; ++field) {
            engine.fields().put({.index = static_cast<int16_t>(field - 1),
                                 .number = field,
                                 .label = "Field " + text::decimal(field),
                                 .entryRule = 3});
        }
    });
    sim::SimFactory factory(engine);
    auto database = act::CreateObjectAs<act::Database>(factory, act::kDatabaseClass);
    database->OpenEx("");
    const admin::frmHistory::ActNames act{database->Contact()->Fields(), database->Users()};
    forms::headless::HeadlessSession session;
    NoReports sink;
    ErrorReporter errors("Corvane", sink);
    for (auto _ : state) {
        admin::frmHistory dialog(session.runtime, errors, act, usersPath(), "Sales");
        dialog.Show();
        benchmark::DoNotOptimize(dialog.lvwHistory.ListItems().Count());
        dialog.Unload();
    }
}
BENCHMARK(OpenHistoryDialog)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

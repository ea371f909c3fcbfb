// Reading Users.dat: one key, and a whole rights decision, beside the time to read the file.
#include "common/FileIo.h"
#include "common/IniLib.h"
#include "common/Rights.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

using namespace corvane;

// About 1 MB: 3,000 databases, each with global lists and lists for a few fields.
const std::string& usersFile() {
    static const std::string path = [] {
        const auto file = std::filesystem::temp_directory_path() / "corvane-bench-Users.dat";
        std::string content;
        for (int db = 0; db < 3000; ++db) {
            content += "[Database" + std::to_string(db) + "]\r\n";
            std::string ids;
            for (int u = 0; u < 12; ++u) {
                ids += "U" + std::to_string(db) + "x" + std::to_string(u) + "-ID";
            }
            content += "GlobalF=" + ids + "\r\nGlobalI=" + ids.substr(0, 60) + "\r\n";
            for (int field = 1; field <= 3; ++field) {
                content += std::to_string(field * 7) + "F=" + ids.substr(0, 40) + "\r\n";
            }
        }
        replaceFile(file.string(), content);
        return file.string();
    }();
    return path;
}

void ReadUsersFile(benchmark::State& state) {
    size_t bytes = 0;
    for (auto _ : state) {
        const std::string content = readWholeFile(usersFile());
        bytes = content.size();
        benchmark::DoNotOptimize(content.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes));
}
BENCHMARK(ReadUsersFile);

// Reports nothing: the benchmark's file is always readable.
struct NoReports : ErrorSink {
    void showErrorReport(const std::string&, const std::string&) override {}
};

void GetKeyValue(benchmark::State& state) {
    NoReports sink;
    ErrorReporter errors("Corvane", sink);
    for (auto _ : state) {
        benchmark::DoNotOptimize(IniLib::GetKeyValue("Database2999", "GlobalI", "", "", "", usersFile(), errors));
    }
}
BENCHMARK(GetKeyValue);

// The last database, a field without lists of its own: both field keys and both global keys read.
void RightsDecision(benchmark::State& state) {
    for (auto _ : state) {
        const auto document = ProfileDocument(readWholeFile(usersFile()));
        const auto lists = effectiveRightsLists(document, "Database2999", "12");
        benchmark::DoNotOptimize(rightsLevel("U2999x11-ID", lists));
    }
}
BENCHMARK(RightsDecision);

} // namespace

BENCHMARK_MAIN();

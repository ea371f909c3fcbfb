// One look-up, set and delete in a 10 MB Users.dat, for files shaped to make a profile engine slow:
// lines full of "[" that open no section, one line of 10 MB, and an ordinary file of the same size.
// Each operation works on a fresh copy of the document, so the section it remembers never helps.
#include "common/ProfileDocument.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using corvane::ProfileDocument;

constexpr size_t kFileSize = size_t{10} << 20;

std::string repeated(std::string_view unit) {
    std::string content;
    content.reserve(kFileSize + unit.size());
    while (content.size() < kFileSize) {
        content += unit;
    }
    return content;
}

// Many databases, each with global lists and lists for a few fields.
std::string ordinaryFile() {
    std::string content;
    content.reserve(kFileSize + 4096);
    for (int db = 0; content.size() < kFileSize; ++db) {
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
    return content;
}

// The file of each shape, made once; each ends with the section "Sales".
struct Shape {
    const char* name;
    std::string content;
};

const std::vector<Shape>& shapes() {
    static const std::vector<Shape> all = [] {
        const std::string sales = "\r\n[Sales]\r\nGlobalF=AAbb\r\n";
        return std::vector<Shape>{
            {"AllBrackets", repeated("[") + sales},
            {"BracketXLines", repeated("[x\r\n") + sales},
            {"UnclosedSalesLines", repeated("[Sales\r\n") + sales},
            {"OneLongLine", "GlobalF=" + repeated("x[") + sales},
            {"Ordinary", ordinaryFile() + sales},
        };
    }();
    return all;
}

// The key of a section found after crossing the whole file.
void FindInSection(benchmark::State& state, const std::string& file) {
    for (auto _ : state) {
        state.PauseTiming();
        const ProfileDocument document(file);
        state.ResumeTiming();
        benchmark::DoNotOptimize(document.find("Sales", "GlobalF"));
    }
}

// A key of the lines before the first section, whose end is sought across the whole file.
void FindAtTop(benchmark::State& state, const std::string& file) {
    for (auto _ : state) {
        state.PauseTiming();
        const ProfileDocument document(file);
        state.ResumeTiming();
        benchmark::DoNotOptimize(document.find("", "GlobalF"));
    }
}

void Set(benchmark::State& state, const std::string& file, std::string_view key,
         std::optional<std::string_view> value) {
    for (auto _ : state) {
        state.PauseTiming();
        ProfileDocument document(file);
        state.ResumeTiming();
        benchmark::DoNotOptimize(document.set("Sales", key, value));
    }
}

void Write(benchmark::State& state, const std::string& file) {
    Set(state, file, "12F", "AAbb");
}

void Delete(benchmark::State& state, const std::string& file) {
    Set(state, file, "GlobalF", std::nullopt);
}

void registerAll() {
    const std::pair<const char*, void (*)(benchmark::State&, const std::string&)> operations[] = {
        {"FindInSection", FindInSection}, {"FindAtTop", FindAtTop}, {"Write", Write}, {"Delete", Delete}};
    for (const auto& [operation, run] : operations) {
        for (const Shape& shape : shapes()) {
            const std::string& file = shape.content;
            benchmark::RegisterBenchmark((std::string(operation) + "/" + shape.name).c_str(),
                                         [run, &file](benchmark::State& state) { run(state, file); })
                ->Unit(benchmark::kMillisecond);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    registerAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

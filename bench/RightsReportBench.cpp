// Building the rights report for a large database: 2,000 users by 500 protected fields, decided from
// a users file whose global lists name a third of the users each and a tenth of whose fields have
// lists of their own. The report is also laid out on the pages of a landscape letter-size printer,
// as Print... does, on a canvas that keeps what is drawn.
#include "admin/frmRightsReport.h"
#include "common/RightsReport.h"
#include "common/RightsReportCsv.h"
#include "forms/headless/ScriptedPrinter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace corvane;

constexpr int kUsers = 2000;
constexpr int kFields = 500;

/// ACT!-like unique IDs: eight characters each.
std::string uniqueId(int user) {
    char id[16];
    std::snprintf(id, sizeof id, "U%07d", user);
    return id;
}

std::vector<ReportUser> users() {
    std::vector<ReportUser> all;
    for (int user = 0; user < kUsers; ++user) {
        all.push_back({"User " + std::to_string(user), uniqueId(user)});
    }
    return all;
}

std::vector<ReportField> fields() {
    std::vector<ReportField> all;
    for (int field = 0; field < kFields; ++field) {
        all.push_back({"Field " + std::to_string(field), static_cast<int16_t>(field + 1)});
    }
    return all;
}

/// Every user's ID whose number leaves `remainder` when divided by `divisor`, one after the other.
std::string listOf(int divisor, int remainder) {
    std::string ids;
    for (int user = remainder; user < kUsers; user += divisor) {
        ids += uniqueId(user);
    }
    return ids;
}

ProfileDocument usersFile() {
    std::string content = "[Sales]\r\nGlobalF=" + listOf(3, 0) + "\r\nGlobalI=" + listOf(3, 1) + "\r\n";
    for (int field = 1; field <= kFields; field += 10) {
        content += std::to_string(field) + "F=" + listOf(7, field % 7) + "\r\n";
    }
    return ProfileDocument(content);
}

void BuildRightsReport(benchmark::State& state) {
    const std::vector<ReportUser> allUsers = users();
    const std::vector<ReportField> allFields = fields();
    const ProfileDocument file = usersFile();
    for (auto _ : state) {
        const RightsReport report(allUsers, allFields, file, "Sales");
        benchmark::DoNotOptimize(report.level(kUsers - 1, kFields - 1));
    }
    state.SetItemsProcessed(state.iterations() * kUsers * kFields);
}
BENCHMARK(BuildRightsReport)->Unit(benchmark::kMillisecond);

void WriteRightsReportCsv(benchmark::State& state) {
    const RightsReport report(users(), fields(), usersFile(), "Sales");
    for (auto _ : state) {
        benchmark::DoNotOptimize(rightsReportCsv(report));
    }
}
BENCHMARK(WriteRightsReportCsv)->Unit(benchmark::kMillisecond);

void PrintRightsReport(benchmark::State& state) {
    const RightsReport report(users(), fields(), usersFile(), "Sales");
    const forms::PrintTable table = admin::printedRightsReport(report, "Sales");
    size_t pages = 0;
    for (auto _ : state) {
        forms::headless::RecordingCanvas canvas(forms::PrinterOrientation::Landscape);
        forms::printTable(canvas, table);
        pages = canvas.pages().size();
    }
    state.counters["pages"] = static_cast<double>(pages);
}
BENCHMARK(PrintRightsReport)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

#include "tests/failures/Expectations.h"

#include <algorithm>
#include <utility>

namespace corvane::test {

namespace {

std::string stateName(FileState state) {
    switch (state) {
    case FileState::Untouched:
        return "untouched";
    case FileState::AsSaved:
        return "as saved";
    case FileState::AsClosed:
        return "as closed";
    case FileState::ClosedUnsaved:
        return "as closed unsaved";
    case FileState::Other:
        break;
    }
    return "DIFFERENT";
}

std::string describe(const Files& files) {
    return "Users.dat " + stateName(files.users) + ", list " + stateName(files.list) +
           (files.others ? ", OTHER FILES" : "");
}

const char* describe(ActWrites act) {
    switch (act) {
    case ActWrites::None:
        return "no field written";
    case ActWrites::AsWithoutFailure:
        return "value written";
    case ActWrites::Other:
        break;
    }
    return "fields DIFFER";
}

} // namespace

const Rule* ruleFor(std::span<const Rule> rules, const CallSite& site) {
    const auto rule = std::find_if(rules.begin(), rules.end(), [&](const Rule& candidate) {
        return candidate.member == site.call.member && (candidate.phase == nullptr || site.phase == candidate.phase) &&
               (candidate.when == nullptr || candidate.when(site));
    });
    return rule == rules.end() ? nullptr : &*rule;
}

Observed observe(const RunOutcome& outcome, Files files, ActWrites act) {
    const auto report = std::find_if(outcome.boxes.begin(), outcome.boxes.end(), [](const std::string& box) {
        return box.starts_with("report ") || box.starts_with("run-time error ");
    });
    return {report == outcome.boxes.end() ? "" : *report, outcome.ended, files, act};
}

std::string describe(const CallSite& site, const RunOutcome& outcome, const Observed& observed) {
    return site.phase + " | " + site.name() + " | " + describe(outcome) + " | " + describe(observed.files) + " | " +
           describe(observed.act);
}

std::string describe(const Observed& expected) {
    return expected.report + (expected.ended ? " -> ends | " : " -> runs on | ") + describe(expected.files) + " | " +
           describe(expected.act);
}

Observed ends(std::string report, Files files, ActWrites act) {
    return {std::move(report), true, files, act};
}

Observed runsOn(std::string report, Files files) {
    return {std::move(report), false, files, ActWrites::None};
}

} // namespace corvane::test

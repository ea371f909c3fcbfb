#pragma once

#include "tests/failures/CallSites.h"
#include "tests/support/RunOutcome.h"

#include <ostream>
#include <span>
#include <string>

namespace corvane::test {

/// Which state of a run without failures a settings file ends in, byte for byte: as it was, as Save
/// left it, as Close left it, or as Close leaves it when no field was saved.
enum class FileState { Untouched, AsSaved, AsClosed, ClosedUnsaved, Other };

/// What a run left in the settings folder: `Users.dat`, the field's settings file, and whether
/// anything else there changed.
struct Files {
    FileState users = FileState::Untouched;
    FileState list = FileState::Untouched;
    bool others = false;

    bool operator==(const Files&) const = default;
};

/// What a run wrote into ACT!'s fields, compared with the run without failures.
enum class ActWrites { None, AsWithoutFailure, Other };

/// What a run with one failing call showed first, how it ended, and what it left in the settings
/// folder and in ACT!. The boxes that follow the first report are the run's later steps meeting
/// what the failure left; the printed table shows them all.
struct Observed {
    /// The first error report or run-time error shown ("report Form1: Sub Form_Load (440)").
    std::string report;
    bool ended = false;
    Files files;
    ActWrites act = ActWrites::None;

    bool operator==(const Observed&) const = default;
};

std::string describe(const Observed& observed);
inline void PrintTo(const Observed& observed, std::ostream* os) {
    *os << describe(observed);
}

/// The run's first error report or run-time error, whether it ended, and the files and fields given.
Observed observe(const RunOutcome& outcome, Files files, ActWrites act);

/// The expected outcome of every failing call of `member`; narrowed to one step of the run by
/// `phase`, and to some of its calls by `when`. The first rule that fits applies.
struct Rule {
    const char* member;
    Observed expected;
    const char* phase = nullptr;
    bool (*when)(const CallSite&) = nullptr;
};

/// The first rule that fits the call site; none when no rule does.
const Rule* ruleFor(std::span<const Rule> rules, const CallSite& site);

/// One row of the printed table: "phase | call | every box -> end | files | ACT! fields".
std::string describe(const CallSite& site, const RunOutcome& outcome, const Observed& observed);

/// An outcome in which the program ends / goes on after showing `report`.
Observed ends(std::string report, Files files = {}, ActWrites act = ActWrites::None);
Observed runsOn(std::string report, Files files = {});

} // namespace corvane::test

// Hostile things where the programs read their files: each program runs on each in a child process
// that is killed after a few seconds, so a case that hangs or crashes fails the test and the suite
// goes on. Asserts what the user sees and that nothing is lost or written that was not asked for.
#include "tests/hostile/HostileFiles.h"
#include "tests/support/AdminRun.h"
#include "tests/support/BoundedChild.h"
#include "tests/support/FolderSnapshot.h"
#include "tests/support/TempDir.h"
#include "tests/support/TriggerRun.h"

#include "common/IniSettingsStore.h"
#include "common/MemorySettingsStore.h"
#include "common/SettingsStore.h"
#include "sim/engine/ActState.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <map>
#include <string_view>
#include <utility>

namespace corvane::test {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;

enum class Program { Tool, Trigger };

/// The lines of a text whose lines end in CR LF, CR or LF.
std::vector<std::string_view> lines(std::string_view bytes) {
    std::vector<std::string_view> split;
    // The next CR and the next LF, each searched again only once passed: a file without one of them
    // is not searched to its end for every line.
    size_t cr = bytes.find('\r');
    size_t lf = bytes.find('\n');
    size_t start = 0;
    for (size_t end; (end = std::min(cr, lf)) != std::string_view::npos;) {
        split.push_back(bytes.substr(start, end - start));
        start = end + (cr + 1 == lf ? 2 : 1);
        cr = cr < start ? bytes.find('\r', start) : cr;
        lf = lf < start ? bytes.find('\n', start) : lf;
    }
    split.push_back(bytes.substr(start));
    return split;
}

/// True when every line of `before` outside the section `[written]` is still in `after`, in order: a
/// rewrite of that section lost nothing else.
bool keepsOtherLines(const std::string& before, const std::string& after, const std::string& written) {
    const std::vector<std::string_view> now = lines(after);
    auto next = now.begin();
    bool inWritten = false;
    for (const std::string_view line : lines(before)) {
        if (line.starts_with('[')) {
            inWritten = line == "[" + written + "]";
        }
        if (inWritten) {
            continue;
        }
        next = std::find(next, now.end(), line);
        if (next == now.end()) {
            return false;
        }
        ++next;
    }
    return true;
}

// The one file a trigger's run adds to when it writes a value.
constexpr const char* kHistoryFile = "Sales.history";

/// Bytes added at the end of what was there (a file that was missing had nothing).
bool appended(const std::string& before, const std::string& after) {
    const std::string kept = before == "<missing>" ? "" : before;
    return !kept.starts_with('<') && after.size() > kept.size() && after.starts_with(kept);
}

/// The files a run left: untouched, a file it was asked to write rewritten with everything else in
/// it kept, the change history appended to, or what changed.
std::string filesVerdict(const FolderSnapshot& before, const FolderSnapshot& after, const std::string& writtenFile,
                         const std::string& writtenSection) {
    std::string verdict;
    std::string changed;
    for (const std::string& name : before.differences(after)) {
        if (name == kHistoryFile && appended(before.entry(name), after.entry(name))) {
            verdict += (verdict.empty() ? "" : "; ") + name + " appended";
        } else if (name != writtenFile) {
            changed += (changed.empty() ? "CHANGED " : ", ") + name;
        } else if (before.entry(name).starts_with('<') ||
                   keepsOtherLines(before.entry(name), after.entry(name), writtenSection)) {
            verdict += (verdict.empty() ? "" : "; ") + name + " rewritten, rest kept";
        } else {
            verdict += (verdict.empty() ? "" : "; ") + name + " rewritten, LINES LOST";
        }
    }
    if (!changed.empty()) {
        verdict += (verdict.empty() ? "" : "; ") + changed;
    }
    return verdict.empty() ? "untouched" : verdict;
}

/// One program on one hostile case, inside the child: what it showed, and what it left.
class HostileRun {
public:
    /// Puts the sound files and the hostile case into `folder`, which the caller removes.
    HostileRun(const HostileCase& hostile, Place place, fs::path folder)
        : hostile_(hostile), place_(place), folder_(std::move(folder)) {
        fs::create_directories(settingsFolder());
        fs::create_directories(configFile().parent_path());
        writeBytes(settingsFolder() / "Users.dat", soundContent(Place::UsersFile));
        writeBytes(settingsFolder() / "Sales15.dat", soundContent(Place::FieldFile));
        writeBytes(configFile(), soundContent(Place::ToolSettings));
        if (!hostile.missingFolder) {
            fs::remove(target());
            hostile.make(target(), soundContent(place));
        }
    }

    std::string run(Program program) {
        pointPathsAtMissingFolder(program == Program::Tool ? static_cast<SettingsStore&>(ini_) : memory_);
        const FolderSnapshot settingsBefore(settingsFolder());
        const FolderSnapshot configBefore(configFile().parent_path());
        const std::string outcome = program == Program::Tool ? runTool() : runTrigger();
        const std::string settings = filesVerdict(settingsBefore, FolderSnapshot(settingsFolder()),
                                                  program == Program::Tool ? "Users.dat" : "", "Sales");
        const std::string config = filesVerdict(configBefore, FolderSnapshot(configFile().parent_path()),
                                                program == Program::Tool ? "settings.ini" : "", "Settings");
        return outcome + " | settings " + settings + " | ini " + config;
    }

private:
    fs::path settingsFolder() const { return folder_ / "Settings"; }
    fs::path configFolder() const {
        const bool missing = hostile_.missingFolder && place_ == Place::ToolSettings;
        return folder_ / (missing ? "missing/config" : "config");
    }
    fs::path configFile() const { return folder_ / "config" / "Corvane" / "settings.ini"; }
    fs::path target() const {
        switch (place_) {
        case Place::UsersFile:
            return settingsFolder() / "Users.dat";
        case Place::FieldFile:
            return settingsFolder() / "Sales15.dat";
        case Place::ToolSettings:
            break;
        }
        return configFile();
    }
    void pointPathsAtMissingFolder(SettingsStore& settings) const {
        const fs::path missing = folder_ / "missing";
        if (hostile_.missingFolder && place_ == Place::UsersFile) {
            settings.Save(kAppName, kSettingsSection, "UsersPath", (missing / "Users.dat").string());
        }
        if (hostile_.missingFolder && place_ == Place::FieldFile) {
            settings.Save(kAppName, kSettingsSection, "ListPath", missing.string());
        }
    }

    std::string runTool() {
        AdminRun tool(folder_);
        tool.engine.state().setFocusField(TriggerRun::kField);
        tool.start(&ini_);
        tool.changeGlobalRights();
        tool.close();
        return describe(tool.outcome());
    }

    std::string runTrigger() {
        TriggerRun trigger(folder_);
        trigger.start(&memory_);
        trigger.typeAndLeave("X");
        trigger.finish();
        const std::vector<std::string> writes = trigger.writes();
        return describe(trigger.outcome()) +
               (writes.empty() ? " (no value written)" : " (wrote " + writes.back() + ")") +
               (trigger.session.windows.hookCount() == 0 ? "" : " KEYBOARD HOOK LEFT");
    }

    const HostileCase& hostile_;
    Place place_;
    fs::path folder_;
    IniSettingsStore ini_{configFolder().string()};
    MemorySettingsStore memory_;
};

/// '*' in `pattern` stands for any run of characters.
bool matches(std::string_view pattern, std::string_view text) {
    const size_t star = pattern.find('*');
    if (star == std::string_view::npos) {
        return pattern == text;
    }
    if (!text.starts_with(pattern.substr(0, star))) {
        return false;
    }
    for (size_t from = star; from <= text.size(); ++from) {
        if (matches(pattern.substr(star + 1), text.substr(from))) {
            return true;
        }
    }
    return false;
}

const char* programName(Program program) {
    return program == Program::Tool ? "Corvane" : "CorvaneEditMode";
}

std::string key(const HostileCase& hostile, Place place, Program program) {
    return std::string(hostile.name) + " | " + placeName(place) + " | " + programName(program);
}

// The tool's start-up, a global level changed, and Close: the change is written into Users.dat and
// the window settings into settings.ini, each keeping every other line. The trigger's run writes the
// value only when the user may change the field, and then adds it to the change history.
const std::string kToolWrites =
    "no box -> ends | settings Users.dat rewritten, rest kept | ini settings.ini rewritten, rest kept";
const std::string kTriggerWrites =
    "no box -> ends (wrote 15=CustomerX) | settings Sales.history appended | ini untouched";
const std::string kRefused = "message You are not allowed to modify this field. -> ends (no value written) | settings "
                             "untouched | ini untouched";
const std::string kUsersWritten =
    " -> ends | settings Users.dat rewritten, rest kept | ini settings.ini rewritten, rest kept";
const std::string kListUnreadable = " -> ends (wrote 15=CustomerX) | settings Sales.history appended | ini untouched";

// A Users.dat that cannot be read: the tool shows every user at no level and Close refuses to write
// the global lists, so the tool stays open; the trigger refuses.
const std::string kToolUsersUnreadable =
    "report IniLib: Function GetKeyValue (75); message The global settings were not "
    "saved because they could not be... -> runs on | settings untouched | ini untouched";
const std::string kTriggerUsersUnreadable = "report IniLib: Function GetKeyValue (75); " + kRefused;
// A field settings file that cannot be read: reported each time the field is selected (start-up
// selects it twice: as the last field and as ACT!'s current one); the trigger edits without its list.
const std::string kToolListUnreadable =
    "report Form1: Sub cboFields_Click (75); report Form1: Sub cboFields_Click (75)" + kUsersWritten;

// What each program does on each case: "case | file | program" -> boxes -> end | settings folder |
// tool settings. '*' stands for any text.
const std::map<std::string, std::string> kExpected{
    {"binary junk | Users.dat | Corvane", kToolWrites},
    {"binary junk | Users.dat | CorvaneEditMode", kRefused}, // no section for the database: no rights
    {"binary junk | Sales15.dat | Corvane", kToolWrites},    // no flag lines and no readable items
    {"binary junk | Sales15.dat | CorvaneEditMode", "report frmMain: Function Load_List (13)" + kListUnreadable},
    {"binary junk | settings.ini | Corvane", kToolWrites},
    {"50 MB | Users.dat | Corvane", kToolWrites},
    {"50 MB | Users.dat | CorvaneEditMode", kTriggerWrites},
    {"50 MB | Sales15.dat | Corvane", kToolWrites},
    {"50 MB | Sales15.dat | CorvaneEditMode", kTriggerWrites},
    {"50 MB | settings.ini | Corvane", kToolWrites},
    {"one 10 MB line | Users.dat | Corvane", kToolWrites},
    {"one 10 MB line | Users.dat | CorvaneEditMode", kTriggerWrites},
    {"one 10 MB line | Sales15.dat | Corvane", kToolWrites},
    {"one 10 MB line | Sales15.dat | CorvaneEditMode", kTriggerWrites},
    {"one 10 MB line | settings.ini | Corvane", kToolWrites},
    {"NUL in values | Users.dat | Corvane", kToolWrites},
    {"NUL in values | Users.dat | CorvaneEditMode", kTriggerWrites},
    {"NUL in values | Sales15.dat | Corvane",
     "report Form1: Sub cboFields_Click (13); report Form1: Sub cboFields_Click (13)" + kUsersWritten},
    {"NUL in values | Sales15.dat | CorvaneEditMode", "report frmMain: Function Load_List (13)" + kListUnreadable},
    // A window setting that is no number stops start-up; the stored settings are then left alone.
    {"NUL in values | settings.ini | Corvane",
     "report Form1: Sub Form_Load (13) -> ends | settings Users.dat rewritten, rest kept | ini untouched"},
    {"CR-only lines | Users.dat | Corvane", kToolWrites},
    {"CR-only lines | Users.dat | CorvaneEditMode", kTriggerWrites},
    {"CR-only lines | Sales15.dat | Corvane", kToolWrites},
    {"CR-only lines | Sales15.dat | CorvaneEditMode", kTriggerWrites},
    {"CR-only lines | settings.ini | Corvane", kToolWrites},
    {"a folder | Users.dat | Corvane", kToolUsersUnreadable},
    {"a folder | Users.dat | CorvaneEditMode", kTriggerUsersUnreadable},
    {"a folder | Sales15.dat | Corvane", kToolListUnreadable},
    {"a folder | Sales15.dat | CorvaneEditMode", "report frmMain: Function Load_List (75)" + kListUnreadable},
    {"a folder | settings.ini | Corvane",
     "report Form1: Sub Form_Unload (75) -> ends | settings Users.dat rewritten, rest kept | ini untouched"},
    // Only regular files are read: anything else fails with error 75, as a folder does.
    {"a FIFO | Users.dat | Corvane", kToolUsersUnreadable},
    {"a FIFO | Users.dat | CorvaneEditMode", kTriggerUsersUnreadable},
    {"a FIFO | Sales15.dat | Corvane", kToolListUnreadable},
    {"a FIFO | Sales15.dat | CorvaneEditMode", "report frmMain: Function Load_List (75)" + kListUnreadable},
    {"a FIFO | settings.ini | Corvane", "* -> ends | settings Users.dat rewritten, rest kept | ini *"},
    // A file that cannot be read as ANSI text is not rewritten: the tool says so and stays open.
    {"UTF-16 with BOM | Users.dat | Corvane", "* -> runs on | settings untouched | ini untouched"},
    {"UTF-16 with BOM | Users.dat | CorvaneEditMode", "*" + kRefused},
    // A users file in a missing folder cannot be written: Close says so and the tool stays open.
    {"missing folder | Users.dat | Corvane",
     "report Form1: Sub Write_Users (76) -> runs on | settings untouched | ini untouched"},
    // The value is written; its history, beside the missing users file, cannot be, and says so.
    {"missing folder | Users.dat | CorvaneEditMode",
     "message The trigger for Corvane cannot find the file with the User's...; report frmMain: Sub Record_Change (76) "
     "-> ends (wrote 15=CustomerX) | settings untouched | ini untouched"},
    {"missing folder | Sales15.dat | Corvane", kToolWrites},
    {"missing folder | Sales15.dat | CorvaneEditMode", kTriggerWrites},
    // The settings store makes its own folder; nothing in the one that exists changes.
    {"missing folder | settings.ini | Corvane",
     "no box -> ends | settings Users.dat rewritten, rest kept | ini untouched"},
};

/// One program on one hostile case in one place.
struct HostileRunCase {
    const HostileCase* hostile;
    Place place;
    Program program;

    friend void PrintTo(const HostileRunCase& run, std::ostream* os) {
        *os << key(*run.hostile, run.place, run.program);
    }
};

std::vector<HostileRunCase> everyRun() {
    std::vector<HostileRunCase> runs;
    for (const HostileCase& hostile : hostileCases()) {
        for (const Place place : {Place::UsersFile, Place::FieldFile, Place::ToolSettings}) {
            if (hostile.usersFileOnly && place != Place::UsersFile) {
                continue;
            }
            runs.push_back({&hostile, place, Program::Tool});
            if (place != Place::ToolSettings) {
                runs.push_back({&hostile, place, Program::Trigger});
            }
        }
    }
    return runs;
}

/// "BinaryJunk_UsersDat_Corvane": the case's words, capitalised, without other characters.
std::string testName(const ::testing::TestParamInfo<HostileRunCase>& info) {
    std::string name;
    bool wordStart = true;
    for (const char c : key(*info.param.hostile, info.param.place, info.param.program)) {
        const bool alphanumeric = std::isalnum(static_cast<unsigned char>(c)) != 0;
        if (alphanumeric) {
            name += wordStart ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
        }
        wordStart = !alphanumeric;
    }
    return name;
}

class HostileFiles : public ::testing::TestWithParam<HostileRunCase> {};

TEST_P(HostileFiles, NeitherHangNorCrashNorLoseData) {
    const HostileRunCase& run = GetParam();
    const TempDir dir;
    const auto started = std::chrono::steady_clock::now();
    const std::string observed = runBounded(
        [&] { return HostileRun(*run.hostile, run.place, dir.path()).run(run.program); }, run.hostile->bound);
    const auto took = std::chrono::duration_cast<milliseconds>(std::chrono::steady_clock::now() - started);
    const std::string row = key(*run.hostile, run.place, run.program);
    // The table's row: case | file | program -> boxes -> end | settings folder | tool settings.
    std::cout << "  " << row << " -> " << observed << " [" << took.count() << " ms]\n";
    const auto expected = kExpected.find(row);
    ASSERT_NE(expected, kExpected.end()) << "no expected outcome for " << row;
    EXPECT_TRUE(matches(expected->second, observed)) << "shows    " << observed << "\nexpected " << expected->second;
}

INSTANTIATE_TEST_SUITE_P(EveryCase, HostileFiles, ::testing::ValuesIn(everyRun()), testName);

} // namespace
} // namespace corvane::test

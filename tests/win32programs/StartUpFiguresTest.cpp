// Figures for the record, printed and held to no bound (speed is for benchmarks): how long
// CorvaneEditMode.exe takes under Wine from its start by actsim to its box over the field, and how
// many COM calls each program makes at start-up on the demo database, counted by actsim as it serves
// them (actsim /calls).
#include "tests/support/TempDir.h"
#include "tests/win32forms/RealInput.h"
#include "tests/win32programs/ActsimWorkplace.h"
#include "tests/win32programs/ForeignWindows.h"
#include "tests/win32programs/ProgramWindows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace corvane::test {
namespace {

constexpr int kTriggerRuns = 7;

/// The calls of actsim's log, by kind (see sim/win32/actsim/CallLog.h).
struct Calls {
    int made = 0;     // objects made by actsim's classes
    int lookedUp = 0; // names of members looked up
    int called = 0;   // members called

    int total() const { return made + lookedUp + called; }
    Calls operator-(const Calls& earlier) const {
        return {made - earlier.made, lookedUp - earlier.lookedUp, called - earlier.called};
    }
};

Calls callsIn(const std::string& log) {
    Calls calls;
    std::istringstream lines(readBytes(log));
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("new ", 0) == 0) {
            ++calls.made;
        } else if (line.find(".GetIDsOfNames ") != std::string::npos) {
            ++calls.lookedUp;
        } else {
            ++calls.called;
        }
    }
    return calls;
}

void printCalls(const char* program, const Calls& calls) {
    std::printf("%s at start-up: %d COM calls served by actsim (objects made: %d, names looked up: %d, "
                "members called: %d)\n",
                program, calls.total(), calls.made, calls.lookedUp, calls.called);
}

TEST(StartUpFigures, TriggerTimeToItsBoxAndEachProgramsComCalls) {
    const TempDir folder;
    const std::string log = folder.file("calls.log");
    ActsimWorkplace workplace(folder.path(), std::string("[Sales]\r\nGlobalF=") + ActsimWorkplace::kSamId + "\r\n",
                              {"/calls", log});
    ASSERT_TRUE(workplace.ready());

    // The administration tool: what it asked for until its window showed.
    {
        const ProgramProcess tool = workplace.startAdministrationTool();
        const AdministrationWindow window(tool);
        ASSERT_TRUE(window.shown());
        const Calls calls = callsIn(log);
        EXPECT_GT(calls.called, 0) << "actsim logged no calls";
        printCalls("Corvane.exe", calls);
        window.click(Form1Ids::Cancel);
        ASSERT_EQ(tool.waitForExit(), 0UL);
    }

    // The trigger, several times over: from its start to its box, and what it asked for meanwhile.
    ASSERT_TRUE(workplace.logIn(ActsimWorkplace::kSam));
    std::vector<long long> milliseconds;
    Calls calls;
    for (int run = 0; run < kTriggerRuns; ++run) {
        const Calls before = callsIn(log);
        ASSERT_TRUE(workplace.enterField(ActsimWorkplace::kIdStatus));
        const auto trigger = ProgramProcess::await("CorvaneEditMode.exe");
        ASSERT_TRUE(trigger.has_value()) << "actsim started no trigger";
        const TriggerBox box(*trigger);
        ASSERT_TRUE(box.shown());
        milliseconds.push_back(trigger->age().count());
        calls = callsIn(log) - before;
        ASSERT_TRUE(ForeignWindows::awaitForeground(box.window()));
        forms::win32::test::RealInput::press(VK_ESCAPE);
        ASSERT_EQ(trigger->waitForExit(), 0UL);
    }
    EXPECT_GT(calls.called, 0) << "actsim logged no calls";
    printCalls("CorvaneEditMode.exe", calls);
    std::string each;
    for (long long run : milliseconds) {
        each += (each.empty() ? "" : ", ") + std::to_string(run);
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    std::printf("CorvaneEditMode.exe from its start by actsim to its box over the field: median %lld ms of %d runs "
                "(%s ms)\n",
                milliseconds[milliseconds.size() / 2], kTriggerRuns, each.c_str());
}

} // namespace
} // namespace corvane::test

#include "sim/act/SimAuxCommands.h"

#include "sim/engine/Engine.h"

#include "tests/support/VbErrorOf.h"

#include <gtest/gtest.h>

using namespace corvane;
using corvane::sim::AuxPlace;
using corvane::sim::Engine;
using corvane::test::vbErrorOf;

namespace {

class SimAuxCommandsTest : public ::testing::Test {
protected:
    int32_t addLauncher() {
        return aux.AddAuxCommand("Corvane", "/opt/corvane/CORVANE.EXE", "/opt/corvane", "Corvane",
                                 "click to launch Corvane", "/opt/corvane/Corvane.ico", "/opt/corvane/Corvane32.ico",
                                 1);
    }

    Engine engine{":memory:"};
    sim::SimAuxCommands aux{engine};
};

} // namespace

TEST_F(SimAuxCommandsTest, AddDefinesTheCommandOnce) {
    EXPECT_EQ(aux.AuxCommandExists("Corvane"), 0);
    EXPECT_EQ(addLauncher(), 0);
    EXPECT_EQ(aux.AuxCommandExists("Corvane"), 1);
    EXPECT_EQ(engine.auxCommands().find("Corvane")->toolTip, "click to launch Corvane");
    EXPECT_NE(addLauncher(), 0);
    EXPECT_NE(aux.AddAuxCommand("", "", "", "", "", "", "", 1), 0);
}

TEST_F(SimAuxCommandsTest, PlacementsArePerViewAndPlace) {
    addLauncher();
    EXPECT_EQ(aux.AddAuxCommandToToolbar(2, "Corvane"), 0);
    EXPECT_EQ(aux.AddAuxCommandToToolsMenu(6, "Corvane"), 0);
    for (int16_t view = 1; view <= 6; ++view) {
        EXPECT_EQ(aux.AuxCommandExistsInToolbar(view, "Corvane"), view == 2 ? 1 : 0) << view;
        EXPECT_EQ(aux.AuxCommandExistsInToolsMenu(view, "Corvane"), view == 6 ? 1 : 0) << view;
    }
    EXPECT_EQ(aux.RemoveAuxCommandFromToolbar(2, "Corvane"), 0);
    EXPECT_EQ(aux.AuxCommandExistsInToolbar(2, "Corvane"), 0);
    EXPECT_TRUE(engine.auxCommands().isPlaced(AuxPlace::ToolsMenu, 6, "Corvane"));
    EXPECT_EQ(aux.AuxCommandExists("Corvane"), 1); // removing a placement keeps the command
}

TEST_F(SimAuxCommandsTest, ActsimListsWhatIsPlacedInEachView) {
    addLauncher();
    aux.AddAuxCommand("Other", "/bin/true", "/bin", "Other", "", "", "", 1);
    aux.AddAuxCommandToToolbar(1, "Other");
    aux.AddAuxCommandToToolbar(1, "Corvane");
    aux.AddAuxCommandToToolsMenu(3, "Corvane");
    EXPECT_EQ(engine.auxCommands().placedIn(AuxPlace::Toolbar, 1), (std::vector<std::string>{"Other", "Corvane"}));
    EXPECT_EQ(engine.auxCommands().placedIn(AuxPlace::ToolsMenu, 3), std::vector<std::string>{"Corvane"});
    EXPECT_TRUE(engine.auxCommands().placedIn(AuxPlace::ToolsMenu, 1).empty());
}

TEST_F(SimAuxCommandsTest, UndefinedCommandsAndBadViewsAreRefused) {
    EXPECT_NE(aux.AddAuxCommandToToolbar(1, "Corvane"), 0);
    EXPECT_NE(aux.RemoveAuxCommandFromToolsMenu(1, "Corvane"), 0);
    addLauncher();
    EXPECT_EQ(vbErrorOf([&] { aux.AddAuxCommandToToolbar(7, "Corvane"); }), vberr::InvalidProcedureCall);
    EXPECT_EQ(vbErrorOf([&] { aux.AuxCommandExistsInToolsMenu(0, "Corvane"); }), vberr::InvalidProcedureCall);
}

TEST_F(SimAuxCommandsTest, FailWhileActIsNotRunning) {
    engine.state().setRunning(false);
    EXPECT_EQ(vbErrorOf([&] { aux.AuxCommandExists("Corvane"); }), vberr::AutomationError);
}

// Start-up, the rights decision and shutdown of the trigger's main form.
#include "tests/trigger/TriggerFixture.h"

#include "common/RuntimeError.h"
#include "sim/engine/ActState.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

namespace corvane::trigger::test {

namespace {
using forms::MsgBoxIcon;

struct Decision {
    const char* name;
    std::string users;
    std::string startValue;
    bool refused;
};

std::string section(const std::string& keys) {
    return "[Sales]\r\n" + keys;
}
const std::string kId(kUserId);

/// A store whose "UsersPath" cannot be read.
class BrokenUsersPathStore : public MemorySettingsStore {
public:
    std::string Get(std::string_view app, std::string_view section, std::string_view key,
                    std::string_view defaultValue) const override {
        if (key == "UsersPath") {
            throw RuntimeError(vberr::PermissionDenied);
        }
        return MemorySettingsStore::Get(app, section, key, defaultValue);
    }
};
} // namespace

class RightsDecision : public TriggerTest, public ::testing::WithParamInterface<Decision> {};

TEST_P(RightsDecision, RefusesOrShowsTheValueForm) {
    writeUsers(GetParam().users);
    setFieldValue(GetParam().startValue);
    if (GetParam().refused) {
        session.msgBox.expect(std::string(kRefusal));
    }
    start();
    if (GetParam().refused) {
        EXPECT_EQ(lastBox().title, "Corvane");
        EXPECT_EQ(lastBox().style.icon, MsgBoxIcon::Information);
        EXPECT_TRUE(ended());
        EXPECT_FALSE(form().Visible());
    } else {
        EXPECT_TRUE(form().Visible());
        EXPECT_EQ(form().txtNewValue.Text(), GetParam().startValue);
    }
    EXPECT_TRUE(writes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    frmMain, RightsDecision,
    ::testing::Values(Decision{"FullOnEmpty", section("GlobalF=" + kId + "\r\n"), "", false},
                      Decision{"FullOnValue", section("GlobalF=" + kId + "\r\n"), "x", false},
                      Decision{"InitializeOnEmpty", section("GlobalF=AA\r\nGlobalI=" + kId + "\r\n"), "", false},
                      Decision{"InitializeOnBlank", section("GlobalI=" + kId + "\r\n"), " ", true},
                      Decision{"InitializeOnValue", section("GlobalI=" + kId + "\r\n"), "x", true},
                      Decision{"NoneOnEmpty", section("GlobalF=AA\r\n"), "", true},
                      Decision{"NoneOnValue", section("GlobalF=AA\r\nGlobalI=BB\r\n"), "x", true},
                      Decision{"OwnListsReplaceGlobalOnes", section("GlobalF=" + kId + "\r\n15I=AA\r\n"), "", true},
                      Decision{"OwnListsOfBlanksFollowGlobalOnes",
                               section("GlobalF=" + kId + "\r\n15F=\" \"\r\n15I=  \r\n"), "x", false},
                      Decision{"OtherFieldsListsDoNotCount", section("GlobalF=" + kId + "\r\n16F=AA\r\n"), "x", false},
                      Decision{"IdInsideAnotherIdCounts", section("GlobalF=AA" + kId + "BB\r\n"), "x", false},
                      Decision{"OtherDatabaseSectionDoesNotCount", "[Sales2]\r\nGlobalF=" + kId + "\r\n", "", true}),
    [](const ::testing::TestParamInfo<Decision>& param) { return param.param.name; });

class frmMainStartUp : public TriggerTest {};

TEST_F(frmMainStartUp, TalksToActInOrderAndShowsTheBorderlessValueForm) {
    memorySettings.Save(kAppName, kSettingsSection, "End", "1");
    start();
    EXPECT_FALSE(memorySettings.stored("End").has_value());
    std::vector<std::string> members;
    for (const sim::ActCall& call : injector.calls()) {
        if (call.member != "EventControl.PumpEvents" && call.member != "EventControl.SetEventSink") {
            members.push_back(call.member);
        }
    }
    const std::vector<std::string> expected{"ActFactory.CreateEventControl",
                                            "EventControl.Operation1",
                                            "ActFactory.CreateObject",
                                            "Application.OpenFile",
                                            "Application.Views",
                                            "Application.Command",
                                            "Views.GetActive",
                                            "View.Type",
                                            "Views.Create",
                                            "Application.GetOpenDBName",
                                            "View.CurrentFieldID",
                                            "View.GetField",
                                            "Application.GetUserID"};
    EXPECT_EQ(members, expected);
    EXPECT_EQ(injector.callsTo("Application.Command").at(0).arguments, std::vector<std::string>{"104"});
    EXPECT_EQ(injector.callsTo("Views.Create").at(0).arguments, (std::vector<std::string>{"1", "CV"}));

    EXPECT_EQ(form().Caption(), "705");
    EXPECT_EQ(form().BorderStyle(), forms::BorderStyle::None);
    EXPECT_TRUE(form().Visible());
    EXPECT_EQ(session.windows.GetForegroundWindow(), form().hWnd());
    EXPECT_EQ(form().txtNewValue.Text(), kStartValue);
    EXPECT_EQ(form().txtNewValue.SelStart(), 8);
    EXPECT_EQ(session.windows.hookCount(), 1);
    EXPECT_TRUE(session.msgBox.shown().empty());
}

TEST_F(frmMainStartUp, EmptyUserIdIsRefusedEvenWhereAnyIdWouldMatch) {
    injector.returnValue("Application.GetUserID", std::string());
    session.msgBox.expect(std::string(kRefusal));
    start();
    EXPECT_TRUE(ended());
}

TEST_F(frmMainStartUp, MissingUsersFileWarnsThenGrantsFullRights) {
    removeUsers();
    session.msgBox.expect(std::string(kNoUsersFile));
    start();
    EXPECT_EQ(lastBox().title, "Incomplete Set-up");
    EXPECT_EQ(lastBox().style.icon, MsgBoxIcon::None);
    EXPECT_TRUE(form().Visible());
}

TEST_F(frmMainStartUp, UsersFileFromTheSettingsStoreIsUsed) {
    const std::string elsewhere = dir.file("Other.dat");
    corvane::test::writeBytes(elsewhere, "[Sales]\r\nGlobalF=AA\r\n");
    memorySettings.Save(kAppName, kSettingsSection, "UsersPath", elsewhere);
    session.msgBox.expect(std::string(kRefusal));
    start();
    EXPECT_TRUE(ended());
}

TEST_F(frmMainStartUp, FailureWhileDecidingRefuses) {
    BrokenUsersPathStore broken;
    settings = &broken;
    session.msgBox.expect(errorReport(vberr::PermissionDenied, "frmMain: Function IsUserAuthorized", 10));
    session.msgBox.expect(std::string(kRefusal));
    start();
    EXPECT_EQ(session.msgBox.shown().at(0).title, "Corvane Edit Mode error");
    EXPECT_TRUE(ended());
}

TEST_F(frmMainStartUp, SecondInstanceEndsSilentlyAfterRemovingItsHook) {
    session.app.facts().prevInstance = true;
    start();
    EXPECT_TRUE(ended());
    EXPECT_EQ(session.windows.hookCount(), 0);
    EXPECT_TRUE(injector.callsTo("EventControl.Operation1").empty());
    EXPECT_EQ(injector.callsTo("EventControl.Operation2").size(), 1u);
}

TEST_F(frmMainStartUp, NoOpenDatabaseAsksToOpenOne) {
    engine.closeDatabase();
    session.msgBox.expect("Please open an ACT database prior to running Corvane!");
    start();
    EXPECT_EQ(lastBox().title, "Corvane Edit Mode");
    EXPECT_EQ(lastBox().style.icon, MsgBoxIcon::Exclamation);
    EXPECT_TRUE(ended());
    EXPECT_TRUE(injector.callsTo("ActFactory.CreateObject").empty());
}

TEST_F(frmMainStartUp, UnreachableActAsksToRegisterIt) {
    injector.returnValue("EventControl.Operation1", int64_t{0});
    session.msgBox.expect("Unable to communicate with ACT!\rPlease run actreg.exe located in the ACT folder and try "
                          "again");
    start();
    EXPECT_EQ(lastBox().title, "Corvane Edit Mode");
    EXPECT_EQ(lastBox().style.icon, MsgBoxIcon::Critical);
    EXPECT_TRUE(ended());
}

struct FailingCall {
    const char* member;
    const char* label;
    int line;
};

class FailingStartUp : public TriggerTest, public ::testing::WithParamInterface<FailingCall> {};

TEST_P(FailingStartUp, ReportsEndsAtOnceAndWritesNothing) {
    injector.failWith(GetParam().member, vberr::AutomationError);
    session.msgBox.expect(errorReport(vberr::AutomationError, GetParam().label, GetParam().line));
    start();
    EXPECT_TRUE(ended());
    EXPECT_FALSE(form().Visible());
    EXPECT_EQ(session.windows.hookCount(), 0);
    EXPECT_EQ(injector.callsTo("EventControl.Operation2").size(), 1u);
    EXPECT_TRUE(writes().empty());
}

INSTANTIATE_TEST_SUITE_P(frmMain, FailingStartUp,
                         ::testing::Values(FailingCall{"ActFactory.CreateObject", "Module1: Sub Main", 60},
                                           FailingCall{"Application.OpenFile", "Module1: Sub Main", 70},
                                           FailingCall{"Application.Views", "Module1: Sub Main", 80},
                                           FailingCall{"Application.Command", "Module1: Sub Main", 90},
                                           FailingCall{"Views.GetActive", "Module1: Sub Main", 100},
                                           FailingCall{"View.Type", "Module1: Sub Main", 110},
                                           FailingCall{"Views.Create", "Module1: Sub Main", 120},
                                           FailingCall{"View.CurrentFieldID", "frmMain: Sub Launch_Program", 20},
                                           FailingCall{"View.GetField", "frmMain: Sub Launch_Program", 30},
                                           FailingCall{"Application.GetUserID", "frmMain: Sub Launch_Program", 40}),
                         [](const ::testing::TestParamInfo<FailingCall>& param) {
                             std::string name = param.param.member;
                             std::replace(name.begin(), name.end(), '.', '_');
                             return name;
                         });

class frmMainShutdown : public TriggerTest {};

TEST_F(frmMainShutdown, DatabaseClosingEndsTheEditWithoutWriting) {
    start();
    form().txtNewValue.setText("changed");
    engine.closeDatabase();
    session.processEvents();
    EXPECT_TRUE(ended());
    EXPECT_EQ(session.windows.hookCount(), 0);
    EXPECT_EQ(injector.callsTo("EventControl.Operation2").size(), 1u);
    EXPECT_TRUE(writes().empty());
}

TEST_F(frmMainShutdown, ActClosingEndsTheEditWithoutWriting) {
    start();
    engine.userClosesAct();
    session.processEvents();
    EXPECT_TRUE(ended());
    EXPECT_TRUE(writes().empty());
}

} // namespace corvane::trigger::test

// Start-up, the rights decision and shutdown of the trigger's main form.
#include "tests/trigger/TriggerFixture.h"

#include "common/Paths.h"
#include "common/RuntimeError.h"

#include <filesystem>
#include <functional>
#include <tuple>

namespace corvane::trigger::test {
namespace {

using forms::MsgBoxIcon;

struct Decision {
    const char* name;
    std::string keys; // of the section [Sales]
    std::string startValue;
    bool refused;
    friend void PrintTo(const Decision& decision, std::ostream* os) { *os << decision.name; }
};

class RightsDecision : public TriggerTest, public ::testing::WithParamInterface<Decision> {};

TEST_P(RightsDecision, RefusesOrShowsTheValueForm) {
    writeUsers("[Sales]\r\n" + GetParam().keys);
    engine.contacts().setValue(1, 15, GetParam().startValue);
    if (GetParam().refused) {
        session.msgBox.expect(kRefusal);
    }
    start();
    if (GetParam().refused) {
        EXPECT_EQ(lastBox().title, "Corvane");
        EXPECT_EQ(lastBox().style.icon, MsgBoxIcon::Information);
    }
    EXPECT_EQ(ended(), GetParam().refused);
    EXPECT_EQ(form().Visible(), !GetParam().refused);
}

const std::string F = "GlobalF=" + kUserId + "\r\n";
INSTANTIATE_TEST_SUITE_P(
    frmMain, RightsDecision,
    ::testing::Values(Decision{"FullOnEmpty", F, "", false}, Decision{"FullOnValue", F, "x", false},
                      Decision{"InitializeOnEmpty", "GlobalI=" + kUserId + "\r\n", "", false},
                      Decision{"InitializeOnBlank", "GlobalI=" + kUserId + "\r\n", " ", true},
                      Decision{"NoneOnEmpty", "GlobalF=AA\r\nGlobalI=BB\r\n", "", true},
                      Decision{"OwnListsReplaceGlobalOnes", F + "15I=AA\r\n", "", true},
                      Decision{"BlankOwnListsFollowGlobalOnes", F + "15F=\" \"\r\n15I=  \r\n", "x", false},
                      Decision{"IdInsideAnotherIdCounts", "GlobalF=AA" + kUserId + "BB\r\n", "x", false}),
    [](const ::testing::TestParamInfo<Decision>& param) { return param.param.name; });

class frmMainStartUp : public TriggerTest {};

TEST_F(frmMainStartUp, TalksToActInOrderAndShowsTheBorderlessValueForm) {
    memorySettings.Save(kAppName, kSettingsSection, "End", "1");
    start();
    std::vector<std::string> members;
    for (const sim::ActCall& call : injector.calls()) {
        if (call.member.starts_with("Application.") || call.member.starts_with("View")) {
            members.push_back(call.member + (call.arguments.empty() ? "" : " " + call.arguments.back()));
        }
    }
    EXPECT_EQ(members,
              (std::vector<std::string>{"Application.OpenFile ", "Application.Views", "Application.Command 104",
                                        "Views.GetActive", "View.Type", "Views.Create CV", "Application.GetOpenDBName",
                                        "View.CurrentFieldID", "View.GetField 15", "Application.GetUserID"}));
    EXPECT_FALSE(memorySettings.stored("End").has_value());
    EXPECT_EQ(form().Caption(), "705");
    EXPECT_EQ(form().BorderStyle(), forms::BorderStyle::None);
    EXPECT_EQ(session.windows.GetForegroundWindow(), form().hWnd());
    EXPECT_EQ(form().txtNewValue.Text(), "Customer");
    EXPECT_EQ(form().txtNewValue.SelStart(), 8);
}

TEST_F(frmMainStartUp, EmptyUserIdIsRefused) {
    injector.returnValue("Application.GetUserID", std::string());
    session.msgBox.expect(kRefusal);
    start();
}

TEST_F(frmMainStartUp, MissingUsersFileWarnsThenGrantsFullRights) {
    std::filesystem::remove(settingsFile("Users.dat"));
    session.msgBox.expect(kNoUsersFile);
    start();
    EXPECT_EQ(lastBox().title, "Incomplete Set-up");
    EXPECT_EQ(lastBox().style.icon, MsgBoxIcon::None);
    EXPECT_TRUE(form().Visible());
}

TEST_F(frmMainStartUp, FailureWhileDecidingRefuses) {
    struct BrokenStore : MemorySettingsStore {
        std::string Get(std::string_view, std::string_view, std::string_view, std::string_view) const override {
            throw RuntimeError(vberr::PermissionDenied);
        }
    } broken;
    settings = &broken;
    session.msgBox.expect(errorReport(vberr::PermissionDenied, "frmMain: Function IsUserAuthorized", 10));
    session.msgBox.expect(kRefusal);
    start();
    EXPECT_EQ(session.msgBox.shown().at(0).title, "Corvane Edit Mode error");
}

TEST_F(frmMainStartUp, SecondInstanceEndsSilentlyAfterRemovingItsHook) {
    session.app.facts().prevInstance = true;
    start();
    EXPECT_TRUE(ended());
    EXPECT_EQ(session.windows.hookCount(), 0);
    EXPECT_TRUE(injector.callsTo("EventControl.Operation1").empty());
}

TEST_F(frmMainStartUp, NoOpenDatabaseAndUnreachableActHaveTheirMessages) {
    engine.closeDatabase();
    session.msgBox.expect("Please open an ACT database prior to running Corvane!");
    start();
    EXPECT_EQ(lastBox().style.icon, MsgBoxIcon::Exclamation);
    EXPECT_TRUE(ended());

    forms::headless::HeadlessSession second({.title = "Corvane Edit Mode"});
    second.failures.setHandler([](const std::string& message) { ADD_FAILURE() << message; });
    injector.returnValue("EventControl.Operation3", int64_t{1});
    second.msgBox.expect("Unable to communicate with ACT!\rPlease run actreg.exe located in the ACT folder and try "
                         "again");
    CorvaneEditMode(second.runtime, factory, memorySettings, second.windows).start();
    EXPECT_EQ(second.msgBox.shown().at(0).title, "Corvane Edit Mode");
    EXPECT_EQ(second.msgBox.shown().at(0).style.icon, MsgBoxIcon::Critical);
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
    EXPECT_EQ(session.windows.hookCount(), 0);
    EXPECT_EQ(injector.callsTo("EventControl.Operation2").size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(frmMain, FailingStartUp,
                         ::testing::Values(FailingCall{"ActFactory.CreateObject", "Module1: Sub Main", 60},
                                           FailingCall{"Application.Command", "Module1: Sub Main", 90},
                                           FailingCall{"Views.Create", "Module1: Sub Main", 120},
                                           FailingCall{"View.CurrentFieldID", "frmMain: Sub Launch_Program", 20},
                                           FailingCall{"Application.GetUserID", "frmMain: Sub Launch_Program", 40}));

struct UnreadableUsersFile {
    const char* name;
    std::function<void(const std::string& path)> make;
    const char* label;
    friend void PrintTo(const UnreadableUsersFile& file, std::ostream* os) { *os << file.name; }
};

class UsersFileThatCannotBeRead : public TriggerTest, public ::testing::WithParamInterface<UnreadableUsersFile> {};

TEST_P(UsersFileThatCannotBeRead, IsReportedUnderItsOwnLabelAndRefuses) {
    std::filesystem::remove(settingsFile("Users.dat"));
    GetParam().make(settingsFile("Users.dat"));
    if (IsSkipped()) {
        return;
    }
    session.msgBox.expect(errorReport(vberr::PathFileAccessError, GetParam().label, 10));
    session.msgBox.expect(kRefusal);
    start();
    EXPECT_TRUE(ended());
}

INSTANTIATE_TEST_SUITE_P(
    frmMain, UsersFileThatCannotBeRead,
    ::testing::Values(UnreadableUsersFile{"AFolderInItsPlace",
                                          [](const std::string& path) { std::filesystem::create_directory(path); },
                                          "IniLib: Function GetKeyValue"},
                      UnreadableUsersFile{"ALinkToItself",
                                          [](const std::string& path) {
                                              std::error_code error;
                                              std::filesystem::create_symlink("Users.dat", path, error);
                                              if (error) {
                                                  GTEST_SKIP() << "no symbolic links here (MinGW's runtime has none): "
                                                               << error.message();
                                              }
                                          },
                                          "Module1: Function FileExists"}),
    [](const ::testing::TestParamInfo<UnreadableUsersFile>& param) { return param.param.name; });

struct BoxAtStartUp {
    const char* name;
    std::function<void(TriggerTest&)> arrange;
    std::string text;
    friend void PrintTo(const BoxAtStartUp& box, std::ostream* os) { *os << box.name; }
};

/// ACT! closes its database while a start-up message is open, and may open it again before the box
/// is dismissed.
class ActClosingBehindAStartUpBox : public TriggerTest,
                                    public ::testing::WithParamInterface<std::tuple<BoxAtStartUp, bool>> {};

TEST_P(ActClosingBehindAStartUpBox, EndsTheRunForGood) {
    const auto& [box, reopened] = GetParam();
    box.arrange(*this);
    session.msgBox.expect(box.text, forms::vbOK, [&, reopened = reopened] {
        engine.closeDatabase();
        session.processEvents();
        if (reopened) {
            engine.state().openDatabase(joinPath("Data", "Sales.dbf"));
        }
    });
    start();
    EXPECT_TRUE(ended());
    EXPECT_FALSE(form().Visible());
    EXPECT_EQ(session.windows.hookCount(), 0);
    EXPECT_EQ(injector.callsTo("EventControl.Operation1").size(), 1U) << "start-up ran once";
    EXPECT_TRUE(injector.callsTo("View.CurrentFieldID").size() <= 1U);
    EXPECT_TRUE(writes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    frmMain, ActClosingBehindAStartUpBox,
    ::testing::Combine(
        ::testing::Values(
            BoxAtStartUp{"IncompleteSetUp",
                         [](TriggerTest& test) { std::filesystem::remove(test.settingsFile("Users.dat")); },
                         kNoUsersFile},
            BoxAtStartUp{
                "GenericNameReport",
                [](TriggerTest& test) { test.injector.returnValue("Application.GetOpenDBName", std::string("Sales")); },
                TriggerTest::errorReport(vberr::InvalidProcedureCall, "Module1: Function Get_Generic_Name", 20)},
            BoxAtStartUp{"FieldSettingsReport",
                         [](TriggerTest& test) { test.writeList("OnlyFromDropdown=yes\r\nAllowEditing=0\r\n"); },
                         TriggerTest::errorReport(vberr::TypeMismatch, "frmMain: Function Load_List", 40)}),
        ::testing::Bool()),
    [](const auto& param) {
        return std::string(std::get<0>(param.param).name) + (std::get<1>(param.param) ? "ThenReopened" : "");
    });

TEST_F(frmMainStartUp, ActClosingEndsTheEditWithoutWriting) {
    start();
    engine.userClosesAct();
    session.processEvents();
    EXPECT_TRUE(ended());
    EXPECT_EQ(session.windows.hookCount(), 0);
    EXPECT_EQ(injector.callsTo("EventControl.Operation2").size(), 1u);
    EXPECT_TRUE(writes().empty());
}

} // namespace
} // namespace corvane::trigger::test

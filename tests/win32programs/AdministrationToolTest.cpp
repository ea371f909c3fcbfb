// Corvane.exe, the administration tool, as a process of its own beside actsim: what it lists, what it
// writes, what it changes in ACT! and how ACT! ends it. How the test works its window: see
// AdministrationWindow.
#include "sim/win32/actsim/ActsimWindow.h"
#include "tests/support/TempDir.h"
#include "tests/support/WaitFor.h"
#include "tests/win32programs/ActsimWorkplace.h"
#include "tests/win32programs/ForeignWindows.h"
#include "tests/win32programs/ProgramWindows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace corvane::test {
namespace {

using namespace ForeignWindows;
using Names = std::vector<std::string>;
using Rows = std::vector<std::vector<std::string>>;

constexpr int16_t kContactView = 1;
constexpr int kLeeRow = 5;

std::string windowsPath(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

/// Corvane.exe started by its user beside actsim, which has the demo database open with its
/// administrator logged in. The users file gives Sam and Lee full rights on every protected field.
class AdministrationTool : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(workplace_.ready());
        tool_.emplace(workplace_.startAdministrationTool());
        window_.emplace(*tool_);
        ASSERT_TRUE(window_->shown()) << "Corvane.exe shows no window";
    }

    HWND control(int id) const { return window_->control(id); }

    /// The user ends the tool with Cancel.
    void cancel() {
        window_->click(Form1Ids::Cancel);
        EXPECT_EQ(tool_->waitForExit(), 0UL);
    }

    std::string usersFile() const { return readBytes(workplace_.settingsFile("Users.dat")); }

    const std::string globalLists_ =
        std::string("[Sales]\r\nGlobalF=") + ActsimWorkplace::kSamId + ActsimWorkplace::kLeeId + "\r\n";
    TempDir folder_;
    ActsimWorkplace workplace_{folder_.path(), globalLists_};
    std::optional<ProgramProcess> tool_;
    std::optional<AdministrationWindow> window_;
};

TEST_F(AdministrationTool, ListsTheProtectedFieldsAndEveryUserWithTheirGlobalRights) {
    EXPECT_EQ(comboItems(control(Form1Ids::Fields)),
              (Names{"Account Manager", "Credit Limit", "Customer Type", "ID/Status", "Sales Region"}));
    EXPECT_EQ(listViewRows(control(Form1Ids::Users)), (Rows{{"Dana Whitfield", "None"},
                                                            {"Sam Ortega", "Full"},
                                                            {"Alex Morgan", "None"},
                                                            {"Alex Morgan", "None"},
                                                            {"Priya Raman", "None"},
                                                            {"Lee Brennan", "Full"}}));
    cancel();
}

TEST_F(AdministrationTool, SavesAFieldsOwnUsersAndItsDropDownList) {
    ASSERT_TRUE(window_->showField("ID/Status"));
    ASSERT_TRUE(window_->check(Form1Ids::OwnUsers));
    ASSERT_TRUE(window_->chooseLevel(Form1Ids::FieldUsers, kLeeRow, Level::None));
    ASSERT_TRUE(window_->typeDropDownList({"Customer", "Prospect", "Vendor"}))
        << "the box shows: " << text(control(Form1Ids::DropDownList));
    ASSERT_TRUE(window_->check(Form1Ids::AllowEditing));

    window_->click(Form1Ids::Save);
    ASSERT_TRUE(waitFor([&] { return IsWindowEnabled(control(Form1Ids::Save)) == FALSE; })) << "Save did not finish";
    EXPECT_EQ(readBytes(workplace_.settingsFile("Sales15.dat")),
              "OnlyFromDropdown=0\r\nAllowEditing=1\r\nCustomer\r\nProspect\r\nVendor\r\n");
    EXPECT_EQ(usersFile(), globalLists_ + "15F=" + ActsimWorkplace::kSamId + "\r\n");
    cancel();
}

TEST_F(AdministrationTool, PutsItsLauncherOnAViewsToolbarAndTakesItOffAgain) {
    HWND dialog = window_->openFromOptions(*tool_, 'I', "Integrate with ACT!");
    ASSERT_NE(dialog, nullptr) << "Options > Integrate with ACT! shows no dialog";
    sim::Engine& engine = workplace_.actsim().engine();
    HWND toolbar = FindWindowExA(workplace_.actsim().window(), nullptr, TOOLBARCLASSNAMEA, nullptr);
    HWND contacts = ForeignWindows::control(dialog, FrmIntegrateIds::ContactsToolbar);
    auto onToolbar = [&] { return engine.auxCommands().placedIn(sim::AuxPlace::Toolbar, kContactView); };
    auto buttonsShown = [&] { return SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0); };

    clickButton(contacts);
    EXPECT_TRUE(waitFor([&] { return onToolbar() == Names{"Corvane"}; }));
    const auto launcher = engine.auxCommands().find("Corvane");
    ASSERT_TRUE(launcher.has_value());
    EXPECT_EQ(windowsPath(launcher->commandLine), windowsPath(ActsimWorkplace::program("Corvane.EXE")));
    EXPECT_TRUE(waitFor([&] { return buttonsShown() == 1; })) << "actsim shows no button";

    clickButton(contacts);
    EXPECT_TRUE(waitFor([&] { return onToolbar().empty(); }));
    EXPECT_TRUE(waitFor([&] { return buttonsShown() == 0; }));

    // Close offers to restart ACT!; the administrator says no.
    clickButton(child(dialog, "Button", "&Close"));
    HWND question = awaitMessageBox(*tool_);
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(boxTexts(question).message,
              "You need to re-start ACT! for the changes to take effect!\r\nDo you want to re-start it now?");
    clickButton(GetDlgItem(question, IDNO));
    EXPECT_TRUE(waitFor([&] { return IsWindowVisible(dialog) == FALSE; }));
    EXPECT_TRUE(engine.state().running());
    cancel();
}

TEST_F(AdministrationTool, EndsWhenActsimClosesItsDatabaseAndWritesNoLists) {
    workplace_.actsim().command(sim::win32::ActsimWindow::kCloseDatabase);
    EXPECT_EQ(tool_->waitForExit(), 0UL);
    EXPECT_EQ(usersFile(), globalLists_);
}

} // namespace
} // namespace corvane::test

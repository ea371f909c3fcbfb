// The change history the trigger keeps beside the users file: one record for every value ACT! took.
#include "tests/trigger/TriggerFixture.h"

#include "common/ChangeHistory.h"
#include "common/Paths.h"
#include "common/RuntimeError.h"
#include "trigger/frmEditList.h"

#include <chrono>
#include <filesystem>

namespace corvane::trigger::test {
namespace {

using Values = std::vector<std::string>;

class frmMainHistory : public TriggerTest {
protected:
    std::string historyFile() const { return settingsFile("Sales.history"); }
    ChangeHistory::Content history() const { return ChangeHistory::parse(corvane::test::readBytes(historyFile())); }
    static std::chrono::sys_seconds now() {
        return std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
    }
};

TEST_F(frmMainHistory, AWrittenValueIsRecordedWithItsValueBeforeTheRun) {
    const auto earliest = now();
    start();
    session.user.type(form().txtNewValue, "X");
    leave();
    tick();
    ASSERT_EQ(writes(), Values{"CustomerX"});
    const ChangeHistory::Content content = history();
    ASSERT_EQ(content.records.size(), 1u);
    const HistoryRecord& record = content.records[0];
    EXPECT_EQ(record.userId, kUserId);
    EXPECT_EQ(record.field, 15);
    EXPECT_EQ(record.before, "Customer");
    EXPECT_EQ(record.after, "CustomerX");
    EXPECT_GE(record.time, earliest);
    EXPECT_LE(record.time, now());
    EXPECT_EQ(content.badLines, 0);
}

TEST_F(frmMainHistory, TheHistoryFollowsTheUsersFileToItsFolder) {
    std::filesystem::create_directory(dir.file("Shared"));
    const std::string shared = joinPath(dir.file("Shared"), "Users.dat");
    std::filesystem::rename(settingsFile("Users.dat"), shared);
    memorySettings.Save(kAppName, kSettingsSection, "UsersPath", shared);
    start();
    leave();
    tick();
    EXPECT_EQ(
        ChangeHistory::parse(corvane::test::readBytes(joinPath(dir.file("Shared"), "Sales.history"))).records.size(),
        1u);
    EXPECT_FALSE(std::filesystem::exists(historyFile()));
}

TEST_F(frmMainHistory, EscapeRecordsNothing) {
    start();
    session.user.pressEscape(form());
    tick();
    EXPECT_TRUE(ended());
    EXPECT_FALSE(std::filesystem::exists(historyFile()));
}

TEST_F(frmMainHistory, ARefusedUserRecordsNothing) {
    writeUsers("[Sales]\r\nGlobalF=SOMEONE\r\nGlobalI=\r\n");
    session.msgBox.expect(kRefusal);
    start();
    EXPECT_TRUE(ended());
    EXPECT_FALSE(std::filesystem::exists(historyFile()));
}

TEST_F(frmMainHistory, AWriteActRefusedRecordsNothing) {
    injector.failWith("View.SetField", vberr::AutomationError);
    session.msgBox.expect(errorReport(vberr::AutomationError, "frmMain: Function WriteData", 20));
    start();
    leave();
    tick();
    EXPECT_TRUE(ended());
    EXPECT_FALSE(std::filesystem::exists(historyFile()));
}

TEST_F(frmMainHistory, AFailedRecordIsReportedOnceAndTheValueStaysWritten) {
    std::filesystem::create_directory(historyFile()); // a folder in the file's place
    session.msgBox.expect(errorReport(vberr::PathFileAccessError, "frmMain: Sub Record_Change", 30));
    start();
    session.user.type(form().txtNewValue, "X");
    leave();
    tick();
    EXPECT_EQ(writes(), Values{"CustomerX"});
    EXPECT_EQ(engine.contacts().value(1, 15), "CustomerX");
    EXPECT_TRUE(ended());
    EXPECT_EQ(session.msgBox.shown().size(), 1u);
}

// Opening the list editor writes the value at once, and closing it writes it again.
TEST_F(frmMainHistory, EveryWriteOfARunIsRecorded) {
    writeList("OnlyFromDropdown=0\r\nAllowEditing=1\r\nBlue\r\n");
    start();
    session.user.type(form().txtNewValue, "X");
    session.user.click(form().cmdDD);
    session.onModal("frmEditList", [this](forms::Form& editor) {
        tick();
        session.user.click(dynamic_cast<frmEditList&>(editor).cmdCancel);
    });
    session.user.click(form().cmdEditList);
    tick();
    EXPECT_TRUE(ended());
    const ChangeHistory::Content content = history();
    ASSERT_EQ(content.records.size(), 2u);
    for (const HistoryRecord& record : content.records) {
        EXPECT_EQ(record.before, "Customer");
        EXPECT_EQ(record.after, "CustomerX");
    }
}

} // namespace
} // namespace corvane::trigger::test

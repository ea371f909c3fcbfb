#include "tests/admin/AdminFixture.h"

#include "admin/LocalTimeText.h"
#include "admin/frmHistory.h"
#include "common/ChangeHistory.h"
#include "common/RuntimeError.h"

#include <chrono>
#include <functional>

namespace corvane::admin::test {
namespace {

using Rows = std::vector<std::vector<std::string>>;
using namespace std::chrono;

const sys_seconds kMorning = sys_days{2026y / December / 7} + 8h;

HistoryRecord change(int minute, std::string userId, int16_t field, std::string before, std::string after) {
    return {kMorning + minutes(minute), std::move(userId), field, std::move(before), std::move(after)};
}

class FrmHistory : public AdminFixture {
protected:
    std::string historyFile() const { return joinPath(settingsFolder(), "Sales.history"); }
    void writeHistory(const std::vector<HistoryRecord>& records, const std::string& more = "") const {
        std::string bytes(ChangeHistory::kHeaderLine);
        for (const HistoryRecord& record : records) {
            bytes += ChangeHistory::formatRecord(record);
        }
        corvane::test::writeBytes(historyFile(), bytes + more);
    }
    /// Opens the dialog from the Options menu, lets `script` play the user in it, then closes it.
    void openDialog(std::function<void(frmHistory&)> script) {
        AdminFixture::openDialog(form().mnuHistory, "frmHistory", std::move(script));
    }
    static Rows rows(forms::ListView& list) {
        Rows shown;
        for (const auto& item : list.ListItems()) {
            shown.push_back({item->Text(), item->SubItems(1), item->SubItems(2), item->SubItems(3), item->SubItems(4)});
        }
        return shown;
    }
    static std::string at(int minute) { return LocalTimeText{}(kMorning + minutes(minute)); }
};

// Records of one second keep their file order reversed: the last written comes first.
TEST_F(FrmHistory, ShowsChangesNewestFirstWithNamesAndLabelsFromAct) {
    writeHistory({change(0, "AA", 3, "10115", "10117"), change(5, "bb", 7, "", "Berlin"),
                  change(2, "gone", 99, "a", "b"), change(5, "bb", 7, "Berlin", "Bonn")});
    start();
    openDialog([&](frmHistory& dialog) {
        EXPECT_EQ(dialog.Caption(), "Change History");
        EXPECT_EQ(rows(dialog.lvwHistory), (Rows{{at(5), "Sam", "City", "Berlin", "Bonn"},
                                                 {at(5), "Sam", "City", "", "Berlin"},
                                                 {at(2), "gone", "99", "a", "b"},
                                                 {at(0), "Dana", "Zip", "10115", "10117"}}));
        EXPECT_EQ(dialog.lblStatus.Caption(), "Showing 4 of 4 changes.");
        EXPECT_TRUE(dialog.cmdExport.Enabled());
        EXPECT_TRUE(dialog.cmdClose.Default());
        EXPECT_TRUE(dialog.cmdClose.Cancel());
    });
}

TEST_F(FrmHistory, FiltersByFieldAndByUser) {
    writeHistory({change(0, "AA", 3, "", "1"), change(1, "bb", 3, "1", "2"), change(2, "bb", 7, "", "3"),
                  change(3, "AA", 7, "3", "4")});
    start();
    openDialog([&](frmHistory& dialog) {
        EXPECT_EQ(entries(dialog.cboField), (std::vector<std::string>{"(All fields)", "City", "Zip"}));
        EXPECT_EQ(entries(dialog.cboUser), (std::vector<std::string>{"(All users)", "Dana", "Sam"}));
        session.user.pick(dialog.cboField, 1);
        EXPECT_EQ(rows(dialog.lvwHistory), (Rows{{at(3), "Dana", "City", "3", "4"}, {at(2), "Sam", "City", "", "3"}}));
        session.user.pick(dialog.cboUser, 2);
        EXPECT_EQ(rows(dialog.lvwHistory), (Rows{{at(2), "Sam", "City", "", "3"}}));
        EXPECT_EQ(dialog.lblStatus.Caption(), "Showing 1 of 4 changes.");
        session.user.pick(dialog.cboField, 0);
        EXPECT_EQ(rows(dialog.lvwHistory), (Rows{{at(2), "Sam", "City", "", "3"}, {at(1), "Sam", "Zip", "1", "2"}}));
    });
}

TEST_F(FrmHistory, BadLinesAreSkippedAndCounted) {
    writeHistory({change(0, "AA", 3, "", "1")}, "\"2026-12-07T08:01:00Z\",\"torn\r\ngarbage\r\n");
    start();
    openDialog([&](frmHistory& dialog) {
        EXPECT_EQ(rows(dialog.lvwHistory).size(), 1u);
        EXPECT_EQ(dialog.lblStatus.Caption(),
                  "Showing 1 of 1 change. 2 lines of the file could not be read and were skipped.");
    });
}

TEST_F(FrmHistory, AMissingOrEmptyHistorySaysSo) {
    start();
    openDialog([&](frmHistory& dialog) {
        EXPECT_EQ(dialog.lblStatus.Caption(),
                  "No changes have been recorded yet: " + historyFile() + " does not exist.");
        EXPECT_FALSE(dialog.cmdExport.Enabled());
    });
    writeHistory({});
    openDialog([&](frmHistory& dialog) {
        EXPECT_EQ(dialog.lblStatus.Caption(), "No changes have been recorded yet: " + historyFile() + " is empty.");
        EXPECT_FALSE(dialog.cmdExport.Enabled());
        EXPECT_EQ(dialog.lvwHistory.ListItems().Count(), 0);
    });
}

TEST_F(FrmHistory, AnUnreadableHistoryIsReported) {
    std::filesystem::create_directory(historyFile());
    session.msgBox.expect(report(vberr::PathFileAccessError, "frmHistory: Sub Load_History", 10));
    start();
    openDialog([&](frmHistory& dialog) {
        EXPECT_EQ(dialog.lblStatus.Caption(), "The change history could not be read: " + historyFile());
    });
}

TEST_F(FrmHistory, ExportWritesTheRowsShownAsCsvThroughTheSaveDialog) {
    writeHistory({change(0, "AA", 3, "two\r\nlines", "a \"quote\", a comma"), change(1, "bb", 7, "", "x")});
    const std::string exported = dir.file("export.csv");
    session.saveFileDialog.answer(std::nullopt);
    session.saveFileDialog.answer(exported);
    start();
    openDialog([&](frmHistory& dialog) {
        session.user.click(dialog.cmdExport);
        EXPECT_FALSE(std::filesystem::exists(exported)) << "a cancel writes nothing";
        session.user.pick(dialog.cboField, 2);
        session.user.click(dialog.cmdExport);
    });
    EXPECT_EQ(corvane::test::readBytes(exported), "\"Time\",\"User\",\"Field\",\"Before\",\"After\"\r\n\"" + at(0) +
                                                      "\",\"Dana\",\"Zip\",\"two\r\nlines\",\"a \"\"quote\"\", a "
                                                      "comma\"\r\n");
    const forms::FileDialogRequest& request = session.saveFileDialog.requests().at(0);
    EXPECT_EQ(request.fileName, "Sales history.csv");
    EXPECT_EQ(request.filter, "CSV file (*.csv)|*.csv");
}

TEST_F(FrmHistory, AFailedExportIsReported) {
    writeHistory({change(0, "AA", 3, "", "1")});
    session.saveFileDialog.answer(joinPath(dir.file("missing"), "export.csv"));
    session.msgBox.expect(report(vberr::PathNotFound, "frmHistory: Sub cmdExport_Click", 20));
    start();
    openDialog([&](frmHistory& dialog) { session.user.click(dialog.cmdExport); });
}

} // namespace
} // namespace corvane::admin::test

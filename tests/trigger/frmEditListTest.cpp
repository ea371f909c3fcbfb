// The drop-down list editor and its two dialogs.
#include "tests/trigger/TriggerFixture.h"

#include "common/RuntimeError.h"
#include "forms/Runtime.h"
#include "trigger/frmAdd.h"
#include "trigger/frmEditList.h"
#include "trigger/frmModify.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace corvane::trigger::test {

namespace {
using Writes = std::vector<std::vector<std::string>>;
using forms::Form;
constexpr std::string_view kConfirmDeletion = "Are you sure you want to delete this item?";

std::vector<std::string> itemsOf(const forms::ListBox& list) {
    std::vector<std::string> items;
    for (int32_t i = 0; i < list.ListCount(); ++i) {
        items.push_back(list.List(i));
    }
    return items;
}
} // namespace

class frmEditListTest : public TriggerTest {
protected:
    /// Starts a run on a field with that settings file, drops the list down and opens the editor,
    /// which `script` then plays after the first tick.
    void openEditor(const std::string& list, std::function<void(frmEditList&)> script) {
        writeList(list);
        start();
        session.user.click(form().cmdDD);
        session.onModal("frmEditList", [this, script](Form& editor) {
            tick(); // the user takes a moment: the value form hides meanwhile
            script(dynamic_cast<frmEditList&>(editor));
        });
        session.user.click(form().cmdEditList);
    }
    /// The next `frmAdd` types the text and presses Enter.
    void addNext(const std::string& text) {
        session.onModal("frmAdd", [this, text](Form& dialog) {
            auto& add = dynamic_cast<frmAdd&>(dialog);
            session.user.type(add.txtItem, text);
            session.user.pressKey(add.txtItem, 13);
        });
    }
    std::string listContent() const { return corvane::test::readBytes(listFile()); }
};

TEST_F(frmEditListTest, OpensSortedCentredOnTopAndPicksTheFirstItem) {
    openEditor("OnlyFromDropdown=0\r\nAllowEditing=1\r\nbeta\r\n  \r\nAlpha\r\n", [&](frmEditList& editor) {
        EXPECT_EQ(editor.Caption(), "Edit List");
        EXPECT_EQ(itemsOf(editor.lstItems), (std::vector<std::string>{"Alpha", "beta"}));
        EXPECT_EQ(editor.lstItems.ListIndex(), 0);
        EXPECT_EQ(editor.ActiveControl(), &editor.lstItems);
        // 1024 x 768 pixels at 15 twips: (15360 - 4665) / 2 = 5347 twips, 356 whole pixels.
        EXPECT_EQ(editor.Left(), 356 * 15);
        EXPECT_EQ(editor.Top(), 4080);
        EXPECT_EQ(editor.Width(), 4665);
        EXPECT_TRUE(editor.TopMost());
        EXPECT_FALSE(form().Visible()) << "the value form hides while the editor is open";
        EXPECT_FALSE(ended());
        session.user.pressEscape(editor);
        EXPECT_TRUE(editor.Visible()) << "Escape does nothing in the editor";
        session.user.click(editor.cmdCancel);
    });
    EXPECT_EQ(writes(), (Writes{{"15", "Customer"}})) << "the text is written when the editor opens";
    EXPECT_EQ(listContent(), "OnlyFromDropdown=0\r\nAllowEditing=1\r\nbeta\r\n  \r\nAlpha\r\n")
        << "Cancel writes nothing";
    form().bEscape = false; // the Escape above was seen by the hook; this run goes on as if it had not been
    tick();
    EXPECT_EQ(writes(), (Writes{{"15", "Customer"}, {"15", "Customer"}}));
    EXPECT_TRUE(ended());
}

TEST_F(frmEditListTest, AddsBeforeTheSelectionKeepsDuplicatesAndWritesTrimmed) {
    openEditor("OnlyFromDropdown=0\r\nAllowEditing=1\r\nAlpha\r\nbeta\r\n", [&](frmEditList& editor) {
        session.user.pick(editor.lstItems, 1);
        addNext(" Gamma ");
        session.user.click(editor.cmdAdd);
        addNext("beta");
        session.user.click(editor.cmdAdd);
        EXPECT_EQ(itemsOf(editor.lstItems), (std::vector<std::string>{"Alpha", "beta", " Gamma ", "beta"}));
        EXPECT_EQ(editor.lstItems.ListIndex(), 1);
        session.user.click(editor.cmdOK);
    });
    EXPECT_EQ(listContent(), "OnlyFromDropdown=0\r\nAllowEditing=1\r\nAlpha\r\nbeta\r\nGamma\r\nbeta\r\n");
    EXPECT_EQ(form().txtNewValue.Text(), "beta");
    tick();
    EXPECT_EQ(writes(), (Writes{{"15", "Customer"}, {"15", "beta"}}));
    EXPECT_TRUE(ended());
}

TEST_F(frmEditListTest, DeleteAsksWithNoAsDefaultAndAddingWithoutSelectionSorts) {
    openEditor("OnlyFromDropdown=0\r\nAllowEditing=1\r\nb\r\nc\r\n", [&](frmEditList& editor) {
        session.user.pick(editor.lstItems, 1);
        session.msgBox.expect(std::string(kConfirmDeletion), forms::vbNo);
        session.user.click(editor.cmdDelete);
        EXPECT_EQ(lastBox().title, "Confirm Deletion");
        EXPECT_EQ(lastBox().style.buttons, forms::MsgBoxButtons::YesNo);
        EXPECT_EQ(lastBox().style.icon, forms::MsgBoxIcon::Exclamation);
        EXPECT_TRUE(lastBox().style.defaultButton2);
        EXPECT_EQ(editor.lstItems.ListCount(), 2);
        session.msgBox.expect(std::string(kConfirmDeletion), forms::vbYes);
        session.user.click(editor.cmdDelete);
        EXPECT_EQ(itemsOf(editor.lstItems), std::vector<std::string>{"b"});
        EXPECT_EQ(editor.lstItems.ListIndex(), -1) << "the last item went: nothing is selected";
        addNext("a");
        session.user.click(editor.cmdAdd);
        EXPECT_EQ(itemsOf(editor.lstItems), (std::vector<std::string>{"a", "b"}));
        session.msgBox.expect(std::string(kConfirmDeletion), forms::vbYes);
        session.user.click(editor.cmdDelete);
        EXPECT_EQ(editor.lstItems.ListIndex(), 0) << "the next item takes the deleted one's place";
        session.user.doubleClick(editor.lstItems, 0);
    });
    EXPECT_EQ(listContent(), "OnlyFromDropdown=0\r\nAllowEditing=1\r\nb\r\n");
    EXPECT_EQ(form().txtNewValue.Text(), "b");
}

TEST_F(frmEditListTest, ModifyKeepsThePositionAndAnEmptyTextIsNotWritten) {
    openEditor("OnlyFromDropdown=0\r\nAllowEditing=1\r\na\r\nb\r\nc\r\n", [&](frmEditList& editor) {
        session.user.pick(editor.lstItems, 0);
        session.onModal("frmModify", [&](Form& dialog) {
            auto& modify = dynamic_cast<frmModify&>(dialog);
            EXPECT_EQ(modify.txtItem.Text(), "a");
            EXPECT_EQ(modify.txtItem.SelLength(), 1);
            session.user.type(modify.txtItem, "zz");
            session.user.click(modify.cmdOK);
        });
        session.user.click(editor.cmdModify);
        session.user.pick(editor.lstItems, 1);
        session.onModal("frmModify", [&](Form& dialog) {
            auto& modify = dynamic_cast<frmModify&>(dialog);
            session.user.pressKey(modify.txtItem, 8);
            session.user.pressEscape(modify);
        });
        session.user.click(editor.cmdModify);
        session.onModal("frmModify", [&](Form& dialog) {
            auto& modify = dynamic_cast<frmModify&>(dialog);
            session.user.pressKey(modify.txtItem, 8);
            session.user.pressKey(modify.txtItem, 13);
        });
        session.user.click(editor.cmdModify);
        EXPECT_EQ(itemsOf(editor.lstItems), (std::vector<std::string>{"zz", "", "c"}));
        form().bEscape = false;
        session.user.pressKey(editor.lstItems, 13);
    });
    EXPECT_EQ(listContent(), "OnlyFromDropdown=0\r\nAllowEditing=1\r\nzz\r\nc\r\n");
    EXPECT_EQ(form().txtNewValue.Text(), "Customer") << "an empty pick hands nothing back";
}

TEST_F(frmEditListTest, ModifyAndDeleteDoNothingWithoutSelection) {
    openEditor("OnlyFromDropdown=0\r\nAllowEditing=1\r\n", [&](frmEditList& editor) {
        session.user.click(editor.cmdModify);
        session.user.click(editor.cmdDelete);
        session.user.click(editor.cmdOK);
    });
    EXPECT_EQ(listContent(), "OnlyFromDropdown=0\r\nAllowEditing=1\r\n");
    EXPECT_TRUE(session.msgBox.shown().empty());
}

TEST_F(frmEditListTest, FlagsGoBackUnchangedAndANewPickIsNotWrittenInDropdownOnlyMode) {
    openEditor("OnlyFromDropdown=-1\r\nAllowEditing=-1\r\nCustomer\r\n", [&](frmEditList& editor) {
        addNext("New");
        session.user.click(editor.cmdAdd);
        session.user.click(editor.cmdOK);
    });
    EXPECT_EQ(listContent(), "OnlyFromDropdown=-1\r\nAllowEditing=-1\r\nNew\r\nCustomer\r\n");
    EXPECT_EQ(form().txtNewValue.Text(), "New");
    tick();
    EXPECT_EQ(writes(), (Writes{{"15", "Customer"}})) << "the trigger's own list does not hold the new item";
    EXPECT_TRUE(ended());
}

TEST_F(frmEditListTest, EscapeInAddEndsTheRunWithoutWritingOnceTheEditorCloses) {
    openEditor("OnlyFromDropdown=0\r\nAllowEditing=1\r\nx\r\n", [&](frmEditList& editor) {
        session.onModal("frmAdd", [&](Form& dialog) { session.user.pressEscape(dialog); });
        session.user.click(editor.cmdAdd);
        EXPECT_EQ(editor.lstItems.ListCount(), 1);
        tick();
        EXPECT_FALSE(ended()) << "the editor stays open";
        session.user.click(editor.cmdOK);
    });
    tick();
    EXPECT_EQ(writes(), (Writes{{"15", "Customer"}}));
    EXPECT_TRUE(ended());
}

TEST_F(frmEditListTest, FailedWriteIsReportedAndTheEditorStaysOpen) {
    openEditor("OnlyFromDropdown=0\r\nAllowEditing=1\r\nx\r\n", [&](frmEditList& editor) {
        std::filesystem::remove_all(settingsFolder());
        session.msgBox.expect(errorReport(vberr::PathNotFound, "frmEditList: Sub cmdOK_Click", 20));
        session.user.click(editor.cmdOK);
        EXPECT_TRUE(editor.Visible());
        session.user.click(editor.cmdCancel);
    });
    EXPECT_EQ(form().txtNewValue.Text(), "Customer");
}

TEST_F(frmEditListTest, UnreadableFileIsReportedAndNotOverwritten) {
    writeList("OnlyFromDropdown=0\r\nAllowEditing=1\r\n");
    start();
    session.user.click(form().cmdDD);
    const std::string broken = "OnlyFromDropdown=0\r\nAllowEditing=maybe\r\nkeep me\r\n";
    writeList(broken);
    session.msgBox.expect(errorReport(vberr::TypeMismatch, "frmEditList: Function Load_List", 50));
    session.onModal("frmEditList", [&](Form& dialog) {
        auto& editor = dynamic_cast<frmEditList&>(dialog);
        EXPECT_EQ(editor.lstItems.ListCount(), 0);
        addNext("other");
        session.user.click(editor.cmdAdd);
        session.user.click(editor.cmdOK);
    });
    session.user.click(form().cmdEditList);
    EXPECT_EQ(listContent(), broken);
    EXPECT_EQ(form().txtNewValue.Text(), "other");
}

TEST_F(frmEditListTest, ActClosingWhileTheEditorIsOpenEndsEverythingWithoutWriting) {
    openEditor("OnlyFromDropdown=0\r\nAllowEditing=1\r\nx\r\n", [&](frmEditList& editor) {
        engine.closeDatabase();
        session.processEvents();
        EXPECT_FALSE(editor.Loaded());
    });
    EXPECT_TRUE(ended());
    EXPECT_EQ(writes(), (Writes{{"15", "Customer"}}));
    EXPECT_EQ(listContent(), "OnlyFromDropdown=0\r\nAllowEditing=1\r\nx\r\n");
}

} // namespace corvane::trigger::test

// The drop-down list editor and its two dialogs.
#include "tests/trigger/TriggerFixture.h"

#include "common/RuntimeError.h"
#include "trigger/frmAdd.h"
#include "trigger/frmEditList.h"
#include "trigger/frmModify.h"

#include <filesystem>
#include <functional>

namespace corvane::trigger::test {
namespace {

using Values = std::vector<std::string>;
const std::string kHead = "OnlyFromDropdown=0\r\nAllowEditing=1\r\n";
const std::string kConfirm = "Are you sure you want to delete this item?";

class frmEditListTest : public TriggerTest {
protected:
    /// Starts a run on a field with that settings file and opens the editor, which `script` plays
    /// after the first tick (the value form hides meanwhile).
    void openEditor(const std::string& file, std::function<void(frmEditList&)> script) {
        writeList(file);
        start();
        session.user.click(form().cmdDD);
        session.onModal("frmEditList", [this, script](forms::Form& editor) {
            tick();
            script(dynamic_cast<frmEditList&>(editor));
        });
        session.user.click(form().cmdEditList);
    }
    /// The next `frmAdd` or `frmModify` gets these keys typed, then Enter.
    void typeNext(const std::string& dialog, const std::string& keys) {
        session.onModal(dialog, [this, keys](forms::Form& shown) {
            auto& item = dynamic_cast<ItemDialog&>(shown);
            session.user.type(item.txtItem, keys);
            session.user.pressKey(item.txtItem, 13);
        });
    }
    static Values items(const forms::ListBox& list) {
        Values texts;
        for (int32_t i = 0; i < list.ListCount(); ++i) {
            texts.push_back(list.List(i));
        }
        return texts;
    }
};

TEST_F(frmEditListTest, AddsBeforeTheSelectionKeepsDuplicatesWritesTrimmedAndHandsThePickBack) {
    openEditor(kHead + "beta\r\n  \r\nAlpha\r\n", [&](frmEditList& editor) {
        EXPECT_EQ(items(editor.lstItems), (Values{"Alpha", "beta"}));
        EXPECT_EQ(editor.lstItems.ListIndex(), 0);
        EXPECT_EQ(editor.Left(), 356 * 15) << "(15360 - 4665) / 2 twips, in whole pixels";
        EXPECT_TRUE(editor.TopMost());
        EXPECT_FALSE(form().Visible());
        session.user.pick(editor.lstItems, 1);
        typeNext("frmAdd", " Gamma ");
        session.user.click(editor.cmdAdd);
        typeNext("frmAdd", "beta");
        session.user.click(editor.cmdAdd);
        EXPECT_EQ(items(editor.lstItems), (Values{"Alpha", "beta", " Gamma ", "beta"}));
        session.user.click(editor.cmdOK);
    });
    EXPECT_EQ(list(), kHead + "Alpha\r\nbeta\r\nGamma\r\nbeta\r\n");
    tick();
    EXPECT_EQ(writes(), (Values{"Customer", "beta"})) << "written when the editor opens, and after it";
    EXPECT_TRUE(ended());
}

TEST_F(frmEditListTest, DeleteAsksModifyKeepsThePlaceAndDoubleClickIsOk) {
    openEditor(kHead + "b\r\nc\r\n", [&](frmEditList& editor) {
        session.msgBox.expect(kConfirm, forms::vbNo);
        session.user.click(editor.cmdDelete);
        EXPECT_EQ(lastBox().title, "Confirm Deletion");
        EXPECT_TRUE(lastBox().style.defaultButton2);
        EXPECT_EQ(lastBox().style.icon, forms::MsgBoxIcon::Exclamation);
        session.msgBox.expect(kConfirm, forms::vbYes);
        session.user.click(editor.cmdDelete);
        EXPECT_EQ(editor.lstItems.ListIndex(), 0) << "the next item takes the deleted one's place";
        typeNext("frmModify", "a");
        session.user.click(editor.cmdModify);
        EXPECT_EQ(items(editor.lstItems), Values{"a"}) << "the old text is selected whole";
        session.msgBox.expect(kConfirm, forms::vbYes);
        session.user.click(editor.cmdDelete);
        EXPECT_EQ(editor.lstItems.ListIndex(), -1);
        session.user.click(editor.cmdModify); // nothing is selected: neither does anything
        session.user.click(editor.cmdDelete);
        typeNext("frmAdd", "z");
        session.user.click(editor.cmdAdd);
        session.user.doubleClick(editor.lstItems, 0);
    });
    EXPECT_EQ(list(), kHead + "z\r\n");
    EXPECT_EQ(form().txtNewValue.Text(), "z");
}

TEST_F(frmEditListTest, FlagsGoBackAsReadAndANewPickIsNotWrittenInDropdownOnlyMode) {
    openEditor("OnlyFromDropdown=-1\r\nAllowEditing=1\r\nCustomer\r\n", [&](frmEditList& editor) {
        typeNext("frmAdd", "New");
        session.user.click(editor.cmdAdd);
        session.user.pressKey(editor.lstItems, 13);
    });
    EXPECT_EQ(list(), "OnlyFromDropdown=-1\r\nAllowEditing=1\r\nNew\r\nCustomer\r\n");
    tick();
    EXPECT_EQ(writes(), Values{"Customer"}) << "the value form's list does not hold the new item";
    EXPECT_TRUE(ended());
}

TEST_F(frmEditListTest, EscapeInAddEndsTheRunWithoutWritingOnceTheEditorCloses) {
    openEditor(kHead + "x\r\n", [&](frmEditList& editor) {
        session.onModal("frmAdd", [&](forms::Form& dialog) { session.user.pressEscape(dialog); });
        session.user.click(editor.cmdAdd);
        tick();
        session.user.click(editor.cmdOK);
    });
    tick();
    EXPECT_EQ(writes(), Values{"Customer"});
    EXPECT_TRUE(ended());
}

TEST_F(frmEditListTest, FailedWriteIsReportedAndTheEditorStaysOpen) {
    openEditor(kHead + "x\r\n", [&](frmEditList& editor) {
        std::filesystem::remove_all(dir.file("Settings"));
        session.msgBox.expect(errorReport(vberr::PathNotFound, "frmEditList: Sub cmdOK_Click", 20));
        session.user.click(editor.cmdOK);
        EXPECT_TRUE(editor.Visible());
        session.user.click(editor.cmdCancel);
    });
    EXPECT_EQ(form().txtNewValue.Text(), "Customer");
}

TEST_F(frmEditListTest, FileThatCannotBeReadWholeIsNotOverwritten) {
    // The value form reads "True" as a flag; the editor wants the number it writes back.
    const std::string broken = "OnlyFromDropdown=0\r\nAllowEditing=True\r\nkeep me\r\n";
    session.msgBox.expect(errorReport(vberr::TypeMismatch, "frmEditList: Function Load_List", 50));
    openEditor(broken, [&](frmEditList& editor) {
        EXPECT_EQ(editor.lstItems.ListCount(), 0);
        typeNext("frmAdd", "other");
        session.user.click(editor.cmdAdd);
        session.user.click(editor.cmdOK);
    });
    EXPECT_EQ(list(), broken);
}

TEST_F(frmEditListTest, ActClosingWhileTheEditorIsOpenEndsEverythingWithoutWriting) {
    openEditor(kHead + "x\r\n", [&](frmEditList& editor) {
        engine.closeDatabase();
        session.processEvents();
        EXPECT_FALSE(editor.Loaded());
    });
    EXPECT_TRUE(ended());
    EXPECT_EQ(writes(), Values{"Customer"});
}

} // namespace
} // namespace corvane::trigger::test

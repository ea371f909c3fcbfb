#include "trigger/frmEditList.h"

#include "common/FieldSettingsFile.h"
#include "common/Module1.h"
#include "common/VbConvert.h"
#include "forms/Runtime.h"
#include "trigger/SettingsPaths.h"
#include "trigger/SortedItems.h"
#include "trigger/frmAdd.h"
#include "trigger/frmMain.h"
#include "trigger/frmModify.h"

#include <string_view>

namespace corvane::trigger {

namespace {
constexpr std::string_view kConfirmDeletion = "Are you sure you want to delete this item?";

/// Twips to whole pixels, as a window is placed.
int32_t toPixels(int32_t twips, int32_t twipsPerPixel) {
    return vb::CLng(static_cast<double>(twips) / twipsPerPixel);
}
} // namespace

frmEditList::frmEditList(forms::Runtime& runtime, TriggerServices services, frmMain& owner)
    : Form(runtime, {.name = "frmEditList",
                     .caption = "Edit List",
                     .width = 4665,
                     .height = 3360,
                     .borderStyle = forms::BorderStyle::FixedDialog}),
      services_(services), owner_(owner) {
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdCancel.Click = [this] { Unload(); };
    cmdAdd.Click = [this] { cmdAdd_Click(); };
    cmdModify.Click = [this] { cmdModify_Click(); };
    cmdDelete.Click = [this] { cmdDelete_Click(); };
    lstItems.DblClick = [this] { lstItems_DblClick(); };
    lstItems.KeyPress = [this](int16_t& keyAscii) { lstItems_KeyPress(keyAscii); };
}

void frmEditList::Form_Load() {
    Load_List();
    placeCentredOnTop();
}

void frmEditList::placeCentredOnTop() {
    forms::Screen& screen = runtime().screen();
    const int32_t x = screen.TwipsPerPixelX();
    const int32_t y = screen.TwipsPerPixelY();
    Move(x * toPixels((screen.Width() - Width()) / 2, x), y * toPixels((screen.Height() - Height()) / 2, y),
         x * toPixels(Width(), x), y * toPixels(Height(), y));
    setTopMost(true);
}

void frmEditList::Form_Activate() {
    lstItems.SetFocus();
    if (lstItems.ListCount() > 0) {
        lstItems.setListIndex(0);
    }
}

void frmEditList::Load_List() {
    bLoadFailed = !services_.errors.guard("frmEditList: Function Load_List", [&](Statement& at) {
        at(10);
        sListFile = SettingsPaths::fieldSettingsFile(services_.settings, runtime().app(), owner_.genericName(),
                                                     owner_.iCurrentField);
        at(20);
        if (!corvane::Module1::FileExists(sListFile, services_.errors)) {
            return;
        }
        at(30);
        FieldSettingsReader reader(sListFile);
        at(40);
        iOnlyFromDropdown = editorFlag(reader.nextLine(), kOnlyFromDropdownPrefix);
        at(50);
        iAllowEditing = editorFlag(reader.nextLine(), kAllowEditingPrefix);
        at(60);
        addFileItemsSorted(lstItems, reader);
    });
}

void frmEditList::cmdAdd_Click() {
    {
        frmAdd dialog(runtime(), *this);
        dialog.Show(true);
    }
    if (!sToBeAdded.empty()) {
        const int32_t selected = lstItems.ListIndex();
        if (selected == -1) {
            lstItems.AddItem(sToBeAdded);
        } else {
            lstItems.AddItem(sToBeAdded, selected);
        }
        lstItems.setListIndex(lstItems.NewIndex());
    }
    sToBeAdded.clear();
}

void frmEditList::cmdModify_Click() {
    const int32_t selected = lstItems.ListIndex();
    if (selected == -1) {
        return;
    }
    sToBeModified = lstItems.List(selected);
    {
        frmModify dialog(runtime(), *this);
        dialog.Show(true);
    }
    lstItems.setList(selected, sToBeModified);
}

void frmEditList::cmdDelete_Click() {
    const int32_t selected = lstItems.ListIndex();
    if (selected == -1) {
        return;
    }
    const int answer = runtime().MsgBox(
        kConfirmDeletion,
        {.buttons = forms::MsgBoxButtons::YesNo, .icon = forms::MsgBoxIcon::Exclamation, .defaultButton2 = true},
        "Confirm Deletion");
    if (answer != forms::vbYes) {
        return;
    }
    lstItems.RemoveItem(selected);
    if (selected < lstItems.ListCount()) {
        lstItems.setListIndex(selected);
    }
}

void frmEditList::cmdOK_Click() {
    services_.errors.guard("frmEditList: Sub cmdOK_Click", [&](Statement& at) {
        at(10);
        const int32_t selected = lstItems.ListIndex();
        const std::string chosen = selected >= 0 ? lstItems.List(selected) : std::string();
        at(20);
        if (!bLoadFailed) {
            FieldSettings settings{iOnlyFromDropdown, iAllowEditing, {}};
            for (int32_t i = 0; i < lstItems.ListCount(); ++i) {
                settings.Items.push_back(lstItems.List(i));
            }
            writeFieldSettingsFile(sListFile, settings);
        }
        at(30);
        // Handed back only once the file is written: a failed write leaves the editor open and
        // Cancel must then still leave the field's text alone.
        owner_.sEditChosen = chosen;
        Unload();
    });
}

void frmEditList::lstItems_DblClick() {
    cmdOK_Click();
}

void frmEditList::lstItems_KeyPress(int16_t& keyAscii) {
    if (keyAscii == 13) {
        cmdOK_Click();
    }
}

} // namespace corvane::trigger

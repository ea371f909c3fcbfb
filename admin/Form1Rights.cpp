// The authorized-users editor of Form1: the global levels in lvwUsers, the selected field's levels in
// lvwSpecialUsers, the rights combo box floating over a Rights cell, and the writing of the lists.
#include "admin/Form1.h"

#include "common/IniLib.h"
#include "common/Module1.h"
#include "common/Rights.h"
#include "common/ScopedFlag.h"
#include "common/Text.h"
#include "common/VbConvert.h"
#include "forms/Screen.h"

#include <algorithm>
#include <array>
#include <optional>

namespace corvane::admin {

namespace {

constexpr int kRightsColumn = 1;
constexpr int kRightsLevels = 3;

/// The user's position in ACT!'s user list: the item key without its leading "U".
std::string positionOf(const forms::ListItem& item) {
    return item.Key().substr(1);
}

/// A level kept in an item's tag; anything but 0, 1 or 2 is VB's "Subscript out of range".
int16_t levelOf(const forms::ListItem& item) {
    const int16_t level = vb::CInt(std::string_view(item.Tag()));
    if (level < 0 || level >= kRightsLevels) {
        throw RuntimeError(vberr::SubscriptOutOfRange);
    }
    return level;
}

} // namespace

void Form1::Load_Rights(forms::ListView& list, bool copyGlobal) {
    // A failure is reported by the caller; the reload must not stay suppressed after it.
    const ScopedFlag suppressed(bSuppressReload);
    bool& levelsRead = &list == &lvwUsers ? bGlobalLevelsRead : bFieldLevelsRead;
    levelsRead = false;
    if (copyGlobal) {
        Copy_Global_Rights();
        return;
    }
    if (&list == &lvwUsers) {
        sFullIDs = IniLib::GetKeyValue(sGenericName, kGlobalFullKey, "", "", "", sUsersPath, errors_) + " ";
        sInitIDs = IniLib::GetKeyValue(sGenericName, kGlobalInitKey, "", "", "", sUsersPath, errors_) + " ";
    } else {
        sFullIDs = IniLib::GetKeyValue(sGenericName, fieldFullKey(sFieldID), "", "", "", sUsersPath, errors_) + " ";
        sInitIDs = IniLib::GetKeyValue(sGenericName, fieldInitKey(sFieldID), "", "", "", sUsersPath, errors_) + " ";
        if (text::isBlank(sFullIDs + sInitIDs)) {
            Copy_Global_Rights();
            optUsers(0).setValue(true);
            optUsers(1).setValue(false);
            return;
        }
        optUsers(0).setValue(false);
        optUsers(1).setValue(true);
    }
    for (const auto& item : list.ListItems()) {
        const std::string uniqueId = need(host_.users).UniqueID(positionOf(*item));
        showLevel(*item, vb::CInt(std::string_view(Get_Rights_Level(uniqueId, sFullIDs, sInitIDs))));
    }
    levelsRead = true;
}

void Form1::Copy_Global_Rights() {
    bFieldLevelsRead = false;
    // After a failed filling the two lists can differ in length: the rows both hold are copied, and
    // the field's list is then not whole.
    const int globalCount = lvwUsers.ListItems().Count();
    const int count = std::min(globalCount, lvwSpecialUsers.ListItems().Count());
    for (int index = 1; index <= count; ++index) {
        forms::ListItem& global = lvwUsers.ListItems(index);
        forms::ListItem& field = lvwSpecialUsers.ListItems(index);
        field.setSubItems(kRightsColumn, global.SubItems(kRightsColumn));
        field.setTag(global.Tag());
    }
    // The field's list now holds the global levels, as whole as they were read.
    bFieldLevelsRead = bGlobalLevelsRead && count == globalCount;
}

std::string Form1::Get_Rights_Level(const std::string& uniqueId, const std::string& fullIds,
                                    const std::string& initIds) const {
    return text::decimal(static_cast<int16_t>(rightsLevel(uniqueId, {fullIds, initIds})));
}

void Form1::showLevel(forms::ListItem& item, int16_t level) {
    item.setTag(text::decimal(level));
    item.setSubItems(kRightsColumn, cboFloating.List(level));
}

void Form1::Check_Authorized_Users() {
    errors_.guard("Form1: Sub Check_Authorized_Users", [&](Statement& at) {
        at(10);
        RightsLists global;
        if (Module1::FileExists(sUsersPath, errors_)) {
            at(20);
            global.full = IniLib::GetKeyValue(sGenericName, kGlobalFullKey, "", "", "", sUsersPath, errors_) + " ";
            global.init = IniLib::GetKeyValue(sGenericName, kGlobalInitKey, "", "", "", sUsersPath, errors_) + " ";
        }
        for (const auto& item : lvwUsers.ListItems()) {
            at(30);
            const std::string uniqueId = need(host_.users).UniqueID(positionOf(*item));
            at(40);
            showLevel(*item, static_cast<int16_t>(rightsLevel(uniqueId, global)));
        }
    });
}

bool Form1::readWhole(const forms::ListView& list) const {
    // Without the database's name its section of the users file is unknown, as are its field files.
    return !sGenericName.empty() && bUsersListed && (&list == &lvwUsers ? bGlobalLevelsRead : bFieldLevelsRead);
}

void Form1::notSaved(const std::string& what) {
    runtime().MsgBox(what + " were not saved because they could not be read completely.\rClose " +
                         runtime().app().Title() +
                         " with Cancel and start it again once ACT! and the users file can be read.",
                     {.icon = forms::MsgBoxIcon::Exclamation});
}

bool Form1::Write_Users(forms::ListView& list, const std::string& olderKey) {
    const bool global = &list == &lvwUsers;
    if (!readWhole(list)) {
        // Users the list misses, or whose stored level it does not show, would lose their rights.
        notSaved(global ? "The global settings" : "The authorized users of the '" + sFieldName + "' field");
        return false;
    }
    return errors_.guard("Form1: Sub Write_Users", [&](Statement& at) {
        at(10);
        // Every ID is gathered before anything is written, so a failing ACT! call writes nothing.
        std::array<std::optional<std::string>, kRightsLevels> runs;
        for (const auto& item : list.ListItems()) {
            at(20);
            const std::string uniqueId = need(host_.users).UniqueID(positionOf(*item));
            auto& run = runs[static_cast<size_t>(levelOf(*item))];
            run = run.value_or("") + uniqueId;
        }
        at(30);
        const std::string fullKey = global ? std::string(kGlobalFullKey) : fieldFullKey(sFieldID);
        const std::string initKey = global ? std::string(kGlobalInitKey) : fieldInitKey(sFieldID);
        IniLib::WriteKeyValue(sGenericName, fullKey, runs[0], sUsersPath);
        IniLib::WriteKeyValue(sGenericName, initKey, runs[1], sUsersPath);
        at(40);
        IniLib::WriteKeyValue(sGenericName, olderKey, std::nullopt, sUsersPath);
    });
}

void Form1::lvwUsers_MouseUp(float x, float y) {
    cboFloating.setVisible(false);
    lvwCurrent = &lvwUsers;
    if (overRightsCell(lvwUsers, x, y)) {
        showFloatingCombo(lvwUsers, fraUsers.Top() - 15, fraUsers.Left() + 30);
    }
}

void Form1::lvwSpecialUsers_MouseUp(float x, float y) {
    cboFloating.setVisible(false);
    // Until a field is selected the field's list cannot be edited.
    if (!fieldSelected()) {
        return;
    }
    lvwCurrent = &lvwSpecialUsers;
    if (overRightsCell(lvwSpecialUsers, x, y)) {
        showFloatingCombo(lvwSpecialUsers, fraFiles.Top(), fraFiles.Left() + 50);
    }
}

bool Form1::overRightsCell(forms::ListView& list, float x, float y) {
    // A row whose level could not be read has no level to change (its list is not written either).
    if (list.HitTest(x, y) == nullptr || list.SelectedItem() == nullptr || list.SelectedItem()->Tag().empty()) {
        return false;
    }
    const forms::ColumnHeader& rights = list.ColumnHeaders("Rights");
    return x >= static_cast<float>(rights.Left()) && x <= static_cast<float>(rights.Left() + rights.Width());
}

void Form1::showFloatingCombo(forms::ListView& list, int32_t frameTop, int32_t frameLeft) {
    // The list's own border, one pixel less than a dialog frame, lies between its edge and its rows.
    forms::Screen& screen = runtime().screen();
    const int32_t borderY = (screen.GetSystemMetrics(forms::SM_CYDLGFRAME) - 1) * screen.TwipsPerPixelY();
    const int32_t borderX = (screen.GetSystemMetrics(forms::SM_CXDLGFRAME) - 1) * screen.TwipsPerPixelX();
    const forms::ColumnHeader& rights = list.ColumnHeaders("Rights");
    forms::ListItem& item = *list.SelectedItem();
    cboFloating.setTop(list.Top() + frameTop + item.Top() + borderY);
    cboFloating.setLeft(list.Left() + frameLeft + rights.Left() + borderX);
    cboFloating.setWidth(rights.Width());
    cboFloating.setListIndex(levelOf(item));
    cboFloating.setVisible(true);
}

void Form1::cboFloating_Click() {
    forms::ListItem* item = lvwCurrent == nullptr ? nullptr : lvwCurrent->SelectedItem();
    if (item == nullptr || item->SubItems(kRightsColumn) == cboFloating.Text()) {
        return;
    }
    showLevel(*item, static_cast<int16_t>(cboFloating.ListIndex()));
    if (lvwCurrent == &lvwUsers) {
        if (optUsers(0).Value()) {
            Copy_Global_Rights();
        }
        return;
    }
    cmdSave.setEnabled(true);
    chooseOwnLists();
}

void Form1::chooseOwnLists() {
    const ScopedFlag suppressed(bSuppressReload);
    optUsers(0).setValue(false);
    optUsers(1).setValue(true);
}

void Form1::lvwSpecialUsers_ItemCheck(forms::ListItem& item) {
    errors_.guard("Form1: Sub lvwSpecialUsers_ItemCheck", [&](Statement& at) {
        at(10);
        // Until a field is selected nothing in the field panel can change: the mark goes back.
        if (!fieldSelected()) {
            item.setChecked(!item.Checked());
            return;
        }
        at(20);
        cmdSave.setEnabled(true);
        optUsers(1).setValue(true);
    });
}

void Form1::optUsers_Click() {
    errors_.guard("Form1: Sub optUsers_Click", [&](Statement& at) {
        at(10);
        cboFloating.setVisible(false);
        if (optUsers(1).Value()) {
            return;
        }
        at(20);
        if (!bSuppressReload) {
            Load_Rights(lvwSpecialUsers, true);
        }
        at(30);
        if (!bLoadingField) {
            cmdSave.setEnabled(true);
        }
    });
}

} // namespace corvane::admin

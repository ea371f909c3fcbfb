// The protected-field settings editor of Form1: selecting a field loads its settings file and its
// users lists; any change enables "Save"; saving writes both.
#include "admin/Form1.h"

#include "common/FieldSettingsFile.h"
#include "common/FileIo.h"
#include "common/IniLib.h"
#include "common/Module1.h"
#include "common/Rights.h"
#include "common/ScopedFlag.h"
#include "common/Text.h"

namespace corvane::admin {

namespace {

/// The list text cut at every LF; a CR before an LF stays at the end of its item.
std::vector<std::string> itemsOf(const std::string& listText) {
    std::vector<std::string> items;
    size_t start = 0;
    for (size_t lf = listText.find('\n'); lf != std::string::npos; lf = listText.find('\n', start)) {
        items.emplace_back(listText, start, lf - start);
        start = lf + 1;
    }
    items.emplace_back(listText, start);
    return items;
}

} // namespace

void Form1::cboFields_Click() {
    if (bReturningToField) {
        return;
    }
    // Cleared also after a failure: a half-loaded field must not keep every later change from counting.
    const ScopedFlag loading(bLoadingField);
    errors_.guard("Form1: Sub cboFields_Click", [&](Statement& at) {
        at(10);
        if (cmdSave.Enabled()) {
            Prompt_Save();
            if (cmdSave.Enabled()) {
                // The save the administrator agreed to failed: the changed field stays selected, as it was.
                returnToChangedField();
                return;
            }
        }
        at(20);
        if (!cboFields.Text().empty()) {
            enableFieldEditing();
        }
        at(30);
        // Until its own levels are read, the users list shows another field's: it cannot be saved as this one's.
        bFieldLevelsRead = false;
        sFieldID = text::decimal(cboFields.ItemData(cboFields.ListIndex()));
        sFieldName = cboFields.Text();
        sFieldFile = fieldSettingsPath(sListPath, sGenericName, sFieldID);
        at(40);
        rtfData.setText("");
        if (Module1::FileExists(sFieldFile, errors_)) {
            at(50);
            loadFieldFile();
        } else {
            at(60);
            chkOnlyFromDropdown.setValue(forms::vbUnchecked);
            chkEdit.setValue(forms::vbUnchecked);
        }
        at(70);
        Load_Rights(lvwSpecialUsers, false);
    });
}

void Form1::returnToChangedField() {
    const ScopedFlag returning(bReturningToField);
    for (int32_t index = 0; index < cboFields.ListCount(); ++index) {
        if (text::decimal(cboFields.ItemData(index)) == sFieldID) {
            cboFields.setListIndex(index);
            return;
        }
    }
}

void Form1::enableFieldEditing() {
    chkEdit.setEnabled(true);
    chkOnlyFromDropdown.setEnabled(true);
    rtfData.setEnabled(true);
    optUsers(0).setEnabled(true);
    optUsers(1).setEnabled(true);
}

void Form1::loadFieldFile() {
    FieldSettingsReader reader(sFieldFile);
    if (auto flag = adminFlag(reader.nextLine(), kOnlyFromDropdownPrefix)) {
        chkOnlyFromDropdown.setValue(*flag);
    }
    if (auto flag = adminFlag(reader.nextLine(), kAllowEditingPrefix)) {
        chkEdit.setValue(*flag);
    }
    std::string listText;
    reader.readItems([&](std::string_view item) {
        if (!listText.empty()) {
            listText += '\n';
        }
        listText += item;
    });
    rtfData.setText(listText);
}

void Form1::chkOnlyFromDropdown_Click() {
    cboFloating.setVisible(false);
    if (!bLoadingField) {
        cmdSave.setEnabled(true);
    }
}

void Form1::chkEdit_Click() {
    if (!bLoadingField) {
        cmdSave.setEnabled(true);
    }
}

void Form1::rtfData_Change() {
    if (bLoadingField) {
        return;
    }
    cboFloating.setVisible(false);
    cmdSave.setEnabled(true);
    if (rtfData.Text().empty()) {
        chkEdit.setValue(forms::vbUnchecked);
        chkOnlyFromDropdown.setValue(forms::vbUnchecked);
    }
}

void Form1::cmdSave_Click() {
    errors_.guard("Form1: Sub cmdSave_Click", [&](Statement& at) {
        at(10);
        cboFloating.setVisible(false);
        if (sGenericName.empty()) {
            // The field's file is named after the database, whose name could not be read.
            notSaved("The settings of the '" + sFieldName + "' field");
            return;
        }
        at(20);
        if (text::isBlank(rtfData.Text()) && chkEdit.Value() == forms::vbUnchecked) {
            deleteFileIfPossible(sFieldFile);
        }
        at(30);
        FieldSettings settings{chkOnlyFromDropdown.Value(), chkEdit.Value(), itemsOf(rtfData.Text())};
        at(40);
        writeFieldSettingsFile(sFieldFile, settings);
        at(50);
        if (optUsers(1).Value()) {
            // Lists that could not be written leave the field changed.
            if (!Write_Users(lvwSpecialUsers, sFieldID)) {
                return;
            }
        } else {
            at(60);
            IniLib::DeleteKey(sGenericName, fieldFullKey(sFieldID), sUsersPath);
            IniLib::DeleteKey(sGenericName, fieldInitKey(sFieldID), sUsersPath);
        }
        at(70);
        cmdSave.setEnabled(false);
    });
}

void Form1::Prompt_Save() {
    errors_.guard("Form1: Sub Prompt_Save", [&](Statement& at) {
        at(10);
        const int answer =
            runtime().MsgBox("Do you want to save changes made to the '" + sFieldName + "' field settings?",
                             {.buttons = forms::MsgBoxButtons::YesNo});
        at(20);
        if (answer == forms::vbYes) {
            cmdSave_Click();
        } else {
            cmdSave.setEnabled(false);
        }
    });
}

} // namespace corvane::admin

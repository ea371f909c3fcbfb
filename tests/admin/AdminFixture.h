#pragma once

#include "admin/AdminProgram.h"
#include "admin/Form1.h"
#include "common/ErrorReport.h"
#include "common/MemorySettingsStore.h"
#include "common/Paths.h"
#include "forms/headless/HeadlessSession.h"

#include "tests/support/SimulatedAct.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace corvane::admin::test {

/// The administration tool composed on the headless backend over a private simulated ACT!. ACT! has
/// "/data/Sales.dbf" open with the protected fields Zip (3), City (7) and Area (12), the unprotected
/// Phone (5), a hole at index 1, and the users Dana (AA, administrator, logged in), Sam (bb) and
/// Alex (cc). The program's folder is a fresh temporary folder holding an empty "Settings" folder.
class AdminFixture : public ::testing::Test, public corvane::test::SimulatedAct {
protected:
    AdminFixture() {
        session.failures.setHandler([](const std::string& message) { ADD_FAILURE() << message; });
        session.app.facts().path = dir.path().string();
        std::filesystem::create_directory(settingsFolder());
        engine.state().openDatabase("/data/Sales.dbf");
        engine.fields().put({.index = 0, .number = 3, .label = "Zip", .entryRule = 3});
        engine.fields().put({.index = 2, .number = 7, .label = "City", .entryRule = 3});
        engine.fields().clearIndex(1);
        engine.fields().put({.index = 3, .number = 5, .label = "Phone", .entryRule = 0});
        engine.fields().put({.index = 4, .number = 12, .label = "Area", .entryRule = 3});
        engine.users().add("Dana", "AA", 5);
        engine.users().add("Sam", "bb", 3);
        engine.users().add("Alex", "cc", 1);
        engine.state().setLoggedInUser(1);
        engine.state().setFocusField(-1);
    }

    void start() {
        program = std::make_unique<AdminProgram>(session.runtime, factory, settings);
        program->start();
    }
    Form1& form() { return program->mainForm(); }

    std::string settingsFolder() const { return joinPath(dir.path().string(), "Settings"); }
    std::string usersFile() const { return joinPath(settingsFolder(), "Users.dat"); }
    std::string fieldFile(const std::string& fieldId) const {
        return joinPath(settingsFolder(), "Sales" + fieldId + ".dat");
    }
    /// Writes `Users.dat` with a [Sales] section holding the given lines.
    void writeUsers(const std::string& lines) const { corvane::test::writeBytes(usersFile(), "[Sales]\r\n" + lines); }
    std::string usersText() const { return corvane::test::readBytes(usersFile()); }

    /// The "Rights" column of a user list, top to bottom.
    static std::vector<std::string> levels(forms::ListView& list) {
        std::vector<std::string> shown;
        for (const auto& item : list.ListItems()) {
            shown.push_back(item->SubItems(1));
        }
        return shown;
    }
    /// Picks a field in the field box by its label.
    void selectField(const std::string& label) {
        for (int32_t index = 0; index < form().cboFields.ListCount(); ++index) {
            if (form().cboFields.List(index) == label) {
                session.user.pick(form().cboFields, index);
                return;
            }
        }
        ADD_FAILURE() << "no field " << label;
    }
    /// Releases the mouse over the Rights cell of a user's row (from 1).
    void clickRights(forms::ListView& list, int row) {
        const forms::ListItem& item = list.ListItems(row);
        session.user.mouseUp(list, 1, static_cast<float>(list.ColumnHeaders("Rights").Left() + 100),
                             static_cast<float>(item.Top() + 30));
    }
    /// Places the rights combo box over a row and picks a level in it.
    void chooseLevel(forms::ListView& list, int row, int level) {
        clickRights(list, row);
        session.user.pick(form().cboFloating, level);
    }
    /// The entries of a combo box, top to bottom.
    static std::vector<std::string> entries(const forms::ComboBox& box) {
        std::vector<std::string> texts;
        for (int32_t i = 0; i < box.ListCount(); ++i) {
            texts.push_back(box.List(i));
        }
        return texts;
    }
    /// Opens the modal dialog `formName` from a menu of the tool, lets `script` play the user in it,
    /// then closes it with Escape.
    template <class Dialog>
    void openDialog(forms::Menu& menu, const std::string& formName, std::function<void(Dialog&)> script) {
        session.onModal(formName, [this, script](forms::Form& dialog) {
            auto& shown = static_cast<Dialog&>(dialog);
            script(shown);
            session.user.pressEscape(shown);
        });
        session.user.click(menu);
    }
    const forms::MsgBoxRequest& lastBox() const { return session.msgBox.shown().back(); }
    static std::string report(int error, std::string_view label, int line) {
        return errorReportText(RuntimeError(error), label, line);
    }
    /// The message that a user list which could not be read whole is not written ("The global
    /// settings", "The authorized users of the 'City' field").
    static std::string notSaved(const std::string& what) {
        return what + " were not saved because they could not be read completely.\rClose Corvane with Cancel and "
                      "start it again once ACT! and the users file can be read.";
    }

    corvane::test::TempDir dir;
    forms::headless::HeadlessSession session;
    MemorySettingsStore settings;
    std::unique_ptr<AdminProgram> program;
};

} // namespace corvane::admin::test

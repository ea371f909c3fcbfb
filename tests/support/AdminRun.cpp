#include "tests/support/AdminRun.h"

#include "admin/frmIntegrate.h"
#include "common/Paths.h"
#include "sim/demo/DemoDatabase.h"
#include "sim/engine/AuxCommandStore.h"

namespace corvane::test {

AdminRun::AdminRun(const std::filesystem::path& programFolder)
    : session({.path = programFolder.string(), .exeName = "Corvane", .title = "Corvane"}) {
    session.failures.setHandler([this](const std::string& message) {
        if (!message.starts_with("Unexpected message box")) {
            driverNotes_.push_back(message);
        }
    });
    sim::loadDemoDatabase(engine, "/data/Sales.dbf");
    engine.auxCommands().define({.name = "Corvane"});
    engine.auxCommands().setPlaced(sim::AuxPlace::Toolbar, 2, "Corvane", true);
}

void AdminRun::start(SettingsStore* store) {
    SettingsStore& settings = store ? *store : memorySettings;
    composed_ = false;
    session.runtime.dispatch([&] {
        program_ = std::make_unique<admin::AdminProgram>(session.runtime, factory, settings);
        composed_ = true;
        program_->start();
    });
    // The window is shown: its message loop runs, which also delivers ACT!'s events.
    if (running()) {
        session.processEvents();
    }
}

void AdminRun::chooseField() {
    if (!running()) {
        return;
    }
    session.user.click(form().cmdFieldSettings);
    for (int32_t index = 0; running() && index < form().cboFields.ListCount(); ++index) {
        if (form().cboFields.List(index) == kField) {
            session.user.pick(form().cboFields, index);
            return;
        }
    }
}

void AdminRun::chooseLevel(forms::ListView& list, int row, int level) {
    if (!running() || list.ListItems().Count() < row) {
        return;
    }
    const forms::ListItem& item = list.ListItems(row);
    session.user.mouseUp(list, 1, static_cast<float>(list.ColumnHeaders("Rights").Left() + 100),
                         static_cast<float>(item.Top() + 30));
    if (running() && form().cboFloating.Visible()) {
        session.user.pick(form().cboFloating, level);
    }
}

void AdminRun::changeFieldRightsAndList() {
    if (!running() || form().cboFields.ListIndex() < 0) {
        return;
    }
    chooseLevel(form().lvwSpecialUsers, 2, 2);
    if (running()) {
        session.user.type(form().rtfData, "Gold ");
    }
}

void AdminRun::changeGlobalRights() {
    if (running()) {
        chooseLevel(form().lvwUsers, 3, 0);
    }
}

void AdminRun::save() {
    if (running() && form().cmdSave.Enabled()) {
        session.user.click(form().cmdSave);
    }
}

void AdminRun::addAndRemoveLauncher() {
    if (!running()) {
        return;
    }
    session.onModal("frmIntegrate", [this](forms::Form& shown) {
        auto& dialog = static_cast<admin::frmIntegrate&>(shown);
        session.user.click(dialog.chkScreen(0));
        session.user.click(dialog.chkScreen(1));
        session.user.click(dialog.cmdCancel);
    });
    session.user.click(form().mnuIntegrate);
}

void AdminRun::close() {
    if (running()) {
        session.user.click(form().cmdClose);
    }
}

} // namespace corvane::test

#include "tests/win32programs/ActsimWorkplace.h"

#include "sim/win32/actsim/ActsimWindow.h"
#include "tests/support/TempDir.h"
#include "tests/support/WaitFor.h"
#include "tests/win32forms/RealInput.h"

#include <stdexcept>

namespace corvane::test {

namespace {
using forms::win32::test::RealInput::click;

std::string inFolder(const std::filesystem::path& folder, const std::string& name) {
    return (folder / name).string();
}
} // namespace

ActsimRegistration::ActsimRegistration() {
    if (!RunningActsim::runSwitch(RunningActsim::builtProgram(), "/regserver")) {
        throw std::runtime_error("actsim.exe cannot register its classes");
    }
}

ActsimRegistration::~ActsimRegistration() {
    RunningActsim::runSwitch(RunningActsim::builtProgram(), "/unregserver");
}

ActsimWorkplace::ActsimWorkplace(const std::filesystem::path& folder, const std::string& usersFile,
                                 const std::vector<std::string>& actsimArguments)
    : folder_(std::filesystem::path(folder).make_preferred()),
      settings_(inFolder(folder_, "Settings"), inFolder(folder_ / "Settings", "Users.dat")) {
    std::filesystem::create_directories(folder_ / "Settings");
    writeBytes(settingsFile("Users.dat"), usersFile);
    actsim_ =
        std::make_unique<RunningActsim>(RunningActsim::builtProgram(), inFolder(folder_, "Sales.dbf"), actsimArguments);
}

std::string ActsimWorkplace::program(const std::string& fileName) {
    return (std::filesystem::path(RunningActsim::builtProgram()).parent_path() / fileName).string();
}

std::string ActsimWorkplace::settingsFile(const std::string& name) const {
    return inFolder(folder_ / "Settings", name);
}

std::string ActsimWorkplace::fieldValue(int16_t field) {
    sim::Engine& engine = actsim_->engine();
    return engine.contacts().value(engine.state().currentContact().value_or(0), field);
}

std::string ActsimWorkplace::shownValue(int16_t field) const {
    return RunningActsim::textOf(actsim_->fieldEdit(field));
}

ProgramProcess ActsimWorkplace::startAdministrationTool() const {
    return ProgramProcess::start(program("Corvane.exe"));
}

bool ActsimWorkplace::logIn(int16_t position) {
    HWND users = GetDlgItem(actsim_->window(), sim::win32::ActsimWindow::kUsers);
    const auto count = SendMessageA(users, CB_GETCOUNT, 0, 0);
    for (LRESULT item = 0; item < count; ++item) {
        if (SendMessageA(users, CB_GETITEMDATA, static_cast<WPARAM>(item), 0) == position) {
            SendMessageA(users, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
            actsim_->notify(sim::win32::ActsimWindow::kUsers, CBN_SELCHANGE);
        }
    }
    return waitFor([&] { return actsim_->engine().state().loggedInUser() == position; });
}

bool ActsimWorkplace::enterField(int16_t field) {
    sim::Engine& engine = actsim_->engine();
    click(actsim_->fieldEdit(kCity));
    if (!waitFor([&] { return engine.state().focusField() == kCity; })) {
        return false;
    }
    click(actsim_->fieldEdit(field));
    return waitFor([&] { return engine.state().focusField() == field; });
}

} // namespace corvane::test

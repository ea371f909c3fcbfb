#include "tests/win32actsim/RunningActsim.h"

#include "sim/win32/actsim/ActsimWindow.h"
#include "sim/win32/common/ActsimNote.h"
#include "sim/win32/common/EngineFile.h"
#include "tests/support/WaitFor.h"

namespace corvane::test {

namespace {
using namespace std::chrono_literals;

std::string commandLine(const std::string& program, const std::vector<std::string>& arguments) {
    std::string line = "\"" + program + "\"";
    for (const std::string& argument : arguments) {
        line += " \"" + argument + "\"";
    }
    return line;
}

/// actsim's window, once the note names the database and the window belongs to the noted process.
HWND windowServing(const std::string& database) {
    const auto running = sim::win32::ActsimNote::find();
    if (!running || running->database != database) {
        return nullptr;
    }
    HWND window = FindWindowA(sim::win32::ActsimWindow::kWindowClass, nullptr);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    return owner == running->processId ? window : nullptr;
}
} // namespace

std::string RunningActsim::builtProgram() {
    return CORVANE_ACTSIM_PROGRAM;
}

bool RunningActsim::runSwitch(const std::string& program, const std::string& argument) {
    const ChildProcess run(commandLine(program, {argument}));
    return run.waitForExit(30s) == 0UL;
}

RunningActsim::RunningActsim(const std::string& program, const std::string& database,
                             const std::vector<std::string>& arguments)
    : database_(database), process_([&] {
          std::vector<std::string> all{database};
          all.insert(all.end(), arguments.begin(), arguments.end());
          return commandLine(program, all);
      }()) {
    // A first start under Wine takes several seconds.
    waitFor([&] { return (window_ = windowServing(database_)) != nullptr || !process_.running(); }, 30s);
    if (window_ != nullptr) {
        engine_ = sim::win32::openEngine(database_);
    }
}

RunningActsim::~RunningActsim() {
    if (process_.running()) {
        close();
        if (!ended()) {
            process_.kill();
        }
    }
}

HWND RunningActsim::fieldEdit(int16_t fieldNumber) const {
    return GetDlgItem(window_, sim::win32::FieldPanel::controlIdOf(fieldNumber));
}

std::string RunningActsim::textOf(HWND control) {
    char text[1024] = {};
    SendMessageA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

void RunningActsim::enterField(int16_t fieldNumber) const {
    // Only a thread that shares actsim's input may move its focus.
    const DWORD own = GetCurrentThreadId();
    const DWORD actsim = GetWindowThreadProcessId(window_, nullptr);
    AttachThreadInput(own, actsim, TRUE);
    SetFocus(fieldEdit(fieldNumber));
    AttachThreadInput(own, actsim, FALSE);
}

void RunningActsim::command(WORD id) const {
    PostMessageA(window_, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

void RunningActsim::notify(WORD controlId, WORD code) const {
    PostMessageA(window_, WM_COMMAND, MAKEWPARAM(controlId, code),
                 reinterpret_cast<LPARAM>(GetDlgItem(window_, controlId)));
}

void RunningActsim::close() const {
    PostMessageA(window_, WM_CLOSE, 0, 0);
}

bool RunningActsim::ended() const {
    return process_.waitForExit(10s).has_value();
}

} // namespace corvane::test

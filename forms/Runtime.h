#pragma once

#include "common/ErrorReport.h"
#include "common/RuntimeError.h"
#include "forms/Backend.h"
#include "forms/Hwnd.h"
#include "forms/Services.h"

#include <chrono>
#include <functional>
#include <new>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace corvane::forms {

class Form;
class FormObserver;
class TimerControl;

/// Leaves a modal wait (a message box, a modal form, a dialog) during which the program ended, so
/// that none of the code that waited goes on: as after VB's `End`, nothing of the program runs any
/// more. Every event dispatch ends quietly on it.
struct ProgramEnded {};

/// The hub of one program's forms: the backend, the services, the loaded forms and timers, and the
/// one place where events are dispatched. Forms and controls reach it through their form.
class Runtime {
public:
    Runtime(Backend& backend, Services services);
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    Backend& backend() { return backend_; }
    forms::Screen& screen() { return services_.screen; }
    forms::App& app() { return services_.app; }
    ShellService& shell() { return services_.shell; }
    FileDialogService& fileDialog() { return services_.fileDialog; }
    SaveFileDialogService& saveFileDialog() { return services_.saveFileDialog; }
    FolderBrowserService& folderBrowser() { return services_.folderBrowser; }
    PrintService& printer() { return services_.printer; }
    forms::Clock& clock() { return services_.clock; }
    MsgBoxService& msgBoxService() { return services_.msgBox; }

    /// Shows a modal message box; an empty title shows the program's title. Returns vbOK, vbYes or vbNo.
    /// A modal wait (see `modalWait`).
    int MsgBox(std::string_view text, MsgBoxStyle style = {}, std::string_view title = {});

    /// Runs a modal wait: a box or dialog that runs its own message loop and returns its answer. A
    /// program that has ended shows none, and one that ends while it is open leaves it by
    /// `ProgramEnded`.
    template <class Wait> auto modalWait(Wait&& wait) {
        leaveIfEnded();
        auto answer = wait();
        leaveIfEnded();
        return answer;
    }
    void SendKeys(std::string_view keys, bool wait) { services_.keys.SendKeys(keys, wait); }

    /// Runs an event handler. A failure that escapes it is shown as VB shows an untrapped run-time
    /// error ("Run-time error 'N':", an empty line, the description) and the program goes on.
    template <class Body> void dispatch(Body&& body) noexcept {
        try {
            body();
        } catch (const ProgramEnded&) {
            // The program ended while this handler waited; nothing of it goes on.
        } catch (const ReportedFailure&) {
            // The operation that failed has shown its report.
        } catch (const RuntimeError& e) {
            showRunTimeError(e);
        } catch (const std::bad_alloc&) {
            showRunTimeError(RuntimeError(vberr::OutOfMemory));
        } catch (const std::exception& e) {
            showRunTimeError(RuntimeError(vberr::InternalError, e.what()));
        } catch (...) {
            showRunTimeError(RuntimeError(vberr::InternalError));
        }
    }

    /// Fires an event: calls its handler, when one is set, through `dispatch`.
    template <class... Params, class... Args>
    void raise(const std::function<void(Params...)>& event, Args&&... args) noexcept {
        if (event) {
            dispatch([&] { event(std::forward<Args>(args)...); });
        }
    }

    /// Adds a callable that every message loop calls periodically (e.g. the ACT! event control's
    /// `PumpEvents`). Returns an id for `removeMessageSource`.
    int addMessageSource(std::function<void()> source);
    void removeMessageSource(int id);

    /// One pass of the message loop: polls the message sources, then fires the timers that are due.
    void processEvents();
    /// When the next timer is due, or nothing when no timer runs.
    std::optional<std::chrono::milliseconds> nextTimerDue() const;

    /// Ends the program at once, as VB's `End`: every form disappears without its unload event and no
    /// timer ticks again.
    void End();
    /// True once `End` ran or the last loaded form unloaded.
    bool ended() const { return ended_; }

    void addFormObserver(FormObserver& observer);
    void removeFormObserver(FormObserver& observer);

    // Used by forms and timers.
    Hwnd newHandle() { return nextHandle_++; }
    void registerForm(Form& form);
    void unregisterForm(Form& form);
    void registerTimer(TimerControl& timer);
    void unregisterTimer(TimerControl& timer);
    void formVisibilityChanged(Form& form);
    void formUnloaded(Form& form);
    /// Runs a modal form's loop; a modal wait.
    void runModal(Form& form);

private:
    void leaveIfEnded() const;
    void showRunTimeError(const RuntimeError& error) noexcept;
    void fireDueTimers();
    bool isRegistered(const TimerControl* timer) const;

    Backend& backend_;
    Services services_;
    std::vector<Form*> forms_;
    std::vector<TimerControl*> timers_;
    std::vector<FormObserver*> observers_;
    std::vector<std::pair<int, std::function<void()>>> messageSources_;
    int nextSourceId_ = 1;
    Hwnd nextHandle_ = 0x10000;
    bool ended_ = false;
};

} // namespace corvane::forms

#pragma once

#include "platform/win32/ui/WinApi.h"
#include "sim/engine/Engine.h"
#include "sim/win32/actsim/CommandBar.h"
#include "sim/win32/actsim/FieldPanel.h"

#include <memory>
#include <string>

namespace corvane::sim::win32 {

/// The simulated ACT!'s window on Windows: the current contact's fields as real "Edit" controls (so
/// the trigger finds the focused one as it finds ACT!'s), the logged-in user, next and previous
/// contact, File > Close Database and Exit, a View menu, and the active view's auxiliary commands on
/// the toolbar and in the Tools menu. Entering a protected field starts CorvaneEditMode.exe from
/// actsim's folder with nothing on its command line, as ACT! does; making a view (`Views.Create`)
/// brings the window to the front. It polls the engine every 100 ms for what the programs did:
/// values written, commands placed, the logged-in user, and command 150, which ends it. The program's
/// message loop ends when the window goes.
class ActsimWindow {
public:
    static constexpr const char* kWindowClass = "ActsimMain";
    /// Ids of the menus' and buttons' commands.
    enum Command : WORD {
        kCloseDatabase = 100,
        kExit = 101,
        kPrevious = 110,
        kNext = 111,
        kUsers = 112,
        kFirstView = 200, // the View menu: view types 1 to 6
    };

    /// `programFolder` holds CorvaneEditMode.exe. The engine must outlive the window.
    ActsimWindow(HINSTANCE instance, Engine& engine, std::string programFolder);
    ~ActsimWindow();
    ActsimWindow(const ActsimWindow&) = delete;
    ActsimWindow& operator=(const ActsimWindow&) = delete;

    void show();
    /// The window, or null once it has gone.
    HWND window() const { return window_; }

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT msg, WPARAM wParam, LPARAM lParam);
    HMENU buildMenus();
    void buildControls(HINSTANCE instance);
    void command(WORD id, WORD code, HWND control);
    void poll();
    void showContact();
    void showLoggedInUser();
    void showActiveView();
    void refreshCommands();
    void moveContact(int step);
    void chooseUser();
    void fieldEntered(HWND edit, const FieldDefinition& field);
    void fieldsLeft();
    void runAuxCommand(const std::string& name);
    void comeToFront();
    void closeAct();
    void status(const std::string& text);
    /// Runs work of the window; a failure of the shared database shows in the status bar.
    template <class Work> void guarded(Work&& work);

    Engine& engine_;
    std::string programFolder_;
    HWND window_ = nullptr;
    HMENU viewMenu_ = nullptr;  // a submenu of the window's menu, which owns it
    HMENU toolsMenu_ = nullptr; // as above
    HWND users_ = nullptr;      // children of the window, which owns them
    HWND position_ = nullptr;
    HWND previous_ = nullptr;
    HWND next_ = nullptr;
    HWND statusBar_ = nullptr;
    std::unique_ptr<CommandBar> commands_;
    std::unique_ptr<FieldPanel> fields_;
    HWND entered_ = nullptr;     // the field entered last; leaving the window keeps it
    HWND focusBefore_ = nullptr; // where the focus was when the window was last deactivated
    std::string statusShown_;
};

} // namespace corvane::sim::win32

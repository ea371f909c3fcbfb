#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace corvane::sim {

class SqliteConnection;

/// A screen rectangle in pixels; right and bottom lie just outside the window.
struct ScreenRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

/// One window on the shared desktop, owned by a program (its process id).
struct DesktopWindow {
    int32_t handle = 0;
    int64_t owner = 0;
    int32_t thread = 0;
    std::string className;
    ScreenRect rect;
};

/// Who is in front: a window of the shared desktop (0 when the owner's window is not on it) and the
/// program that owns it. `sequence` rises with every change, so a poller sees each one.
struct Foreground {
    int32_t window = 0;
    int64_t owner = 0;
    int64_t sequence = 0;
};

/// A key the user pressed somewhere on the desktop; `sequence` rises with every key.
struct PressedKey {
    int64_t sequence = 0;
    char keystroke = 0;
};

/// What the window system of the desktop would tell the programs about each other, kept in the
/// shared database because ACT! and the two programs are separate processes: ACT!'s main window, the
/// control with the focus inside it, which program is in front, and the keystrokes on their way to
/// the program in front. Every reader polls; nothing is pushed.
///
/// Keystrokes are bytes as a text box receives them: characters, and 8 Backspace, 9 Tab, 13 Enter,
/// 27 Escape.
class DesktopStore {
public:
    explicit DesktopStore(SqliteConnection& connection) : connection_(connection) {}

    /// Adds a window of program `owner`; its handle is never given again.
    int32_t addWindow(int64_t owner, int32_t thread, const std::string& className, ScreenRect rect);
    std::optional<DesktopWindow> window(int32_t handle);
    /// Removes every window of the program; ACT!'s window, its focus and the foreground are cleared
    /// where they were among them.
    void removeWindowsOf(int64_t owner);

    /// Empties the desktop: no windows, nothing in front, no keystrokes. A new ACT! starts so, whatever
    /// an ACT! that was killed left behind.
    void clear();

    /// Makes the window ACT!'s main window (0: ACT! shows none).
    void setActWindow(int32_t handle);
    std::optional<DesktopWindow> actWindow();
    /// The control with the focus inside ACT!'s window gets a fresh window of ACT!'s main window's
    /// owner and thread; the former one goes. Fails with 5 while ACT! shows no window.
    int32_t focusActControl(const std::string& className, ScreenRect rect);
    /// Nothing in ACT!'s window has the focus.
    void clearActFocus();
    std::optional<DesktopWindow> actFocus();

    void setForeground(int32_t window, int64_t owner);
    Foreground foreground();

    /// Queues keystrokes for the program that owns the foreground window now; with no program in
    /// front they are lost.
    void sendToForeground(const std::string& keys);
    /// Takes the keystrokes queued for the program, oldest first.
    std::string takeKeysFor(int64_t owner);
    /// Whether keystrokes wait for the program to take them.
    bool keysQueuedFor(int64_t owner);
    /// Hands the keystrokes still queued for one program to another.
    void readdressKeys(int64_t from, int64_t to);

    /// Notes a key the user pressed in a program, for the keyboard hooks of every program. Only the
    /// latest keys are kept.
    void keyPressed(char keystroke);
    /// Keys pressed after the one with that sequence number, oldest first.
    std::vector<PressedKey> keysPressedAfter(int64_t sequence);
    /// Sequence number of the latest key pressed, 0 when none was.
    int64_t lastKeyPressed();

private:
    std::optional<DesktopWindow> windowIn(const char* stateColumn);

    SqliteConnection& connection_;
};

} // namespace corvane::sim

#include "sim/engine/DesktopStore.h"

#include "common/RuntimeError.h"
#include "sim/sqlite/SqliteConnection.h"

namespace corvane::sim {

namespace {

constexpr int64_t kKeptKeys = 64;
constexpr const char* kWindowColumns = "handle, owner, thread, class_name, left, top, right, bottom";

DesktopWindow windowOf(const SqliteStatement& row) {
    return DesktopWindow{static_cast<int32_t>(row.integer(0)), row.integer(1), static_cast<int32_t>(row.integer(2)),
                         row.text(3),
                         ScreenRect{static_cast<int32_t>(row.integer(4)), static_cast<int32_t>(row.integer(5)),
                                    static_cast<int32_t>(row.integer(6)), static_cast<int32_t>(row.integer(7))}};
}

} // namespace

int32_t DesktopStore::addWindow(int64_t owner, int32_t thread, const std::string& className, ScreenRect rect) {
    return connection_.transaction([&] {
        connection_.execute("INSERT INTO desktop_windows (owner, thread, class_name, left, top, right, bottom) "
                            "VALUES (?, ?, ?, ?, ?, ?, ?)",
                            owner, int64_t{thread}, className, int64_t{rect.left}, int64_t{rect.top},
                            int64_t{rect.right}, int64_t{rect.bottom});
        return static_cast<int32_t>(connection_.lastInsertRowId());
    });
}

std::optional<DesktopWindow> DesktopStore::window(int32_t handle) {
    auto row = connection_.prepare(std::string("SELECT ") + kWindowColumns + " FROM desktop_windows WHERE handle = ?");
    row.bindAll(int64_t{handle});
    return row.step() ? std::optional<DesktopWindow>(windowOf(row)) : std::nullopt;
}

void DesktopStore::removeWindowsOf(int64_t owner) {
    connection_.transaction([&] {
        const char* gone = "(SELECT handle FROM desktop_windows WHERE owner = ?)";
        connection_.execute(std::string("UPDATE desktop_state SET act_window = 0 WHERE act_window IN ") + gone, owner);
        connection_.execute(std::string("UPDATE desktop_state SET act_focus = 0 WHERE act_focus IN ") + gone, owner);
        connection_.execute("UPDATE desktop_state SET foreground = 0, foreground_owner = 0, "
                            "foreground_seq = foreground_seq + 1 WHERE foreground_owner = ?",
                            owner);
        connection_.execute("DELETE FROM desktop_windows WHERE owner = ?", owner);
    });
}

void DesktopStore::clear() {
    connection_.transaction([&] {
        connection_.exec("DELETE FROM desktop_windows; DELETE FROM desktop_keys; DELETE FROM desktop_keyboard; "
                         "UPDATE desktop_state SET act_window = 0, act_focus = 0, foreground = 0, "
                         "foreground_owner = 0, foreground_seq = foreground_seq + 1;");
    });
}

void DesktopStore::setActWindow(int32_t handle) {
    connection_.execute("UPDATE desktop_state SET act_window = ?", int64_t{handle});
}

std::optional<DesktopWindow> DesktopStore::actWindow() {
    return windowIn("act_window");
}

int32_t DesktopStore::focusActControl(const std::string& className, ScreenRect rect) {
    return connection_.transaction([&] {
        const auto main = actWindow();
        if (!main) {
            throw RuntimeError(vberr::InvalidProcedureCall, "ACT! shows no window");
        }
        clearActFocus();
        const int32_t control = addWindow(main->owner, main->thread, className, rect);
        connection_.execute("UPDATE desktop_state SET act_focus = ?", int64_t{control});
        return control;
    });
}

void DesktopStore::clearActFocus() {
    connection_.transaction([&] {
        connection_.execute("DELETE FROM desktop_windows WHERE handle = (SELECT act_focus FROM desktop_state)");
        connection_.execute("UPDATE desktop_state SET act_focus = 0");
    });
}

std::optional<DesktopWindow> DesktopStore::actFocus() {
    return windowIn("act_focus");
}

void DesktopStore::setForeground(int32_t window, int64_t owner) {
    connection_.execute(
        "UPDATE desktop_state SET foreground = ?, foreground_owner = ?, foreground_seq = foreground_seq + 1",
        int64_t{window}, owner);
}

Foreground DesktopStore::foreground() {
    auto row = connection_.prepare("SELECT foreground, foreground_owner, foreground_seq FROM desktop_state");
    if (!row.step()) {
        return {};
    }
    return Foreground{static_cast<int32_t>(row.integer(0)), row.integer(1), row.integer(2)};
}

void DesktopStore::sendToForeground(const std::string& keys) {
    connection_.transaction([&] {
        const int64_t owner = foreground().owner;
        if (owner == 0) {
            return; // with nothing in front the keys go nowhere
        }
        for (char key : keys) {
            connection_.execute("INSERT INTO desktop_keys (owner, code) VALUES (?, ?)", owner,
                                int64_t{static_cast<unsigned char>(key)});
        }
    });
}

std::string DesktopStore::takeKeysFor(int64_t owner) {
    return connection_.transaction([&] {
        auto row = connection_.prepare("SELECT code FROM desktop_keys WHERE owner = ? ORDER BY seq");
        row.bindAll(owner);
        std::string keys;
        while (row.step()) {
            keys.push_back(static_cast<char>(static_cast<unsigned char>(row.integer(0))));
        }
        connection_.execute("DELETE FROM desktop_keys WHERE owner = ?", owner);
        return keys;
    });
}

bool DesktopStore::keysQueuedFor(int64_t owner) {
    auto row = connection_.prepare("SELECT 1 FROM desktop_keys WHERE owner = ? LIMIT 1");
    row.bindAll(owner);
    return row.step();
}

void DesktopStore::readdressKeys(int64_t from, int64_t to) {
    connection_.execute("UPDATE desktop_keys SET owner = ? WHERE owner = ?", to, from);
}

void DesktopStore::keyPressed(char keystroke) {
    connection_.transaction([&] {
        connection_.execute("INSERT INTO desktop_keyboard (code) VALUES (?)",
                            int64_t{static_cast<unsigned char>(keystroke)});
        // Hooks poll often; what they have not read by then is long stale.
        connection_.execute("DELETE FROM desktop_keyboard WHERE seq <= ?", connection_.lastInsertRowId() - kKeptKeys);
    });
}

std::vector<PressedKey> DesktopStore::keysPressedAfter(int64_t sequence) {
    auto row = connection_.prepare("SELECT seq, code FROM desktop_keyboard WHERE seq > ? ORDER BY seq");
    row.bindAll(sequence);
    std::vector<PressedKey> keys;
    while (row.step()) {
        keys.push_back({row.integer(0), static_cast<char>(static_cast<unsigned char>(row.integer(1)))});
    }
    return keys;
}

int64_t DesktopStore::lastKeyPressed() {
    return connection_.queryInteger("SELECT MAX(seq) FROM desktop_keyboard").value_or(0);
}

// Column names come only from the members above, never from outside.
std::optional<DesktopWindow> DesktopStore::windowIn(const char* stateColumn) {
    auto row =
        connection_.prepare(std::string("SELECT ") + kWindowColumns + " FROM desktop_windows WHERE handle = (SELECT " +
                            stateColumn + " FROM desktop_state)");
    return row.step() ? std::optional<DesktopWindow>(windowOf(row)) : std::nullopt;
}

} // namespace corvane::sim

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvane::sim {

class SqliteConnection;

/// ACT!'s running state: whether it runs and has a database open, the open database's path, the
/// current contact, the logged-in user, the active view and the field that has the focus.
class ActState {
public:
    explicit ActState(SqliteConnection& connection) : connection_(connection) {}

    bool running();
    void setRunning(bool running);
    bool databaseOpen();
    /// Full path of the open database, as ACT! reports it (e.g. ".../Sales.dbf").
    std::string databasePath();
    /// ACT! runs with the database at that path open.
    void openDatabase(const std::string& path);
    /// Leaves the path as it was, so a restart can reopen it.
    void markDatabaseClosed();

    std::optional<int64_t> currentContact();
    void setCurrentContact(std::optional<int64_t> contact);
    /// Position of the logged-in user in the user list.
    std::optional<int16_t> loggedInUser();
    void setLoggedInUser(std::optional<int16_t> position);
    int16_t activeViewType();
    void setActiveViewType(int16_t viewType);
    /// Number of the field that has the focus, -1 for none.
    int16_t focusField();
    void setFocusField(int16_t fieldNumber);

private:
    std::optional<int64_t> get(std::string_view column);
    void set(std::string_view column, std::optional<int64_t> value);

    SqliteConnection& connection_;
};

} // namespace corvane::sim

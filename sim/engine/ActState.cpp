#include "sim/engine/ActState.h"

#include "sim/sqlite/SqliteConnection.h"

namespace corvane::sim {

bool ActState::running() {
    return get("running").value_or(0) != 0;
}

void ActState::setRunning(bool running) {
    set("running", running ? 1 : 0);
}

bool ActState::databaseOpen() {
    return get("database_open").value_or(0) != 0;
}

std::string ActState::databasePath() {
    auto statement = connection_.prepare("SELECT database_path FROM act_state");
    return statement.step() ? statement.text(0) : std::string();
}

void ActState::openDatabase(const std::string& path) {
    connection_.execute("UPDATE act_state SET running = 1, database_open = 1, database_path = ?", path);
}

void ActState::markDatabaseClosed() {
    set("database_open", 0);
}

std::optional<int64_t> ActState::currentContact() {
    return get("current_contact");
}

void ActState::setCurrentContact(std::optional<int64_t> contact) {
    set("current_contact", contact);
}

std::optional<int16_t> ActState::loggedInUser() {
    auto position = get("logged_in_user");
    return position ? std::optional<int16_t>(static_cast<int16_t>(*position)) : std::nullopt;
}

void ActState::setLoggedInUser(std::optional<int16_t> position) {
    set("logged_in_user", position ? std::optional<int64_t>(*position) : std::nullopt);
}

int16_t ActState::activeViewType() {
    return static_cast<int16_t>(get("active_view_type").value_or(1));
}

void ActState::setActiveViewType(int16_t viewType) {
    set("active_view_type", viewType);
}

int16_t ActState::focusField() {
    return static_cast<int16_t>(get("focus_field").value_or(-1));
}

void ActState::setFocusField(int16_t fieldNumber) {
    set("focus_field", fieldNumber);
}

// Column names come only from the members above, never from outside.
std::optional<int64_t> ActState::get(std::string_view column) {
    return connection_.queryInteger("SELECT " + std::string(column) + " FROM act_state");
}

void ActState::set(std::string_view column, std::optional<int64_t> value) {
    connection_.execute("UPDATE act_state SET " + std::string(column) + " = ?", value);
}

} // namespace corvane::sim

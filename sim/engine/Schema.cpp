#include "sim/engine/Schema.h"

#include "sim/sqlite/SqliteConnection.h"

namespace corvane::sim {

namespace {

// One file holds both ACT!'s running state and its open database, so that actsim and both
// programs, in separate processes, see one ACT!.
constexpr const char* kSchema = R"sql(
CREATE TABLE IF NOT EXISTS act_state (
    id INTEGER PRIMARY KEY CHECK (id = 1),
    running INTEGER NOT NULL DEFAULT 1,
    database_open INTEGER NOT NULL DEFAULT 0,
    database_path TEXT NOT NULL DEFAULT '',
    current_contact INTEGER,
    logged_in_user INTEGER,
    active_view_type INTEGER NOT NULL DEFAULT 1,
    focus_field INTEGER NOT NULL DEFAULT -1
);
INSERT OR IGNORE INTO act_state (id) VALUES (1);

CREATE TABLE IF NOT EXISTS fields (
    idx INTEGER PRIMARY KEY CHECK (idx BETWEEN 0 AND 32767),
    number INTEGER UNIQUE CHECK (number BETWEEN 0 AND 32767),
    label TEXT NOT NULL DEFAULT '',
    entry_rule INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE IF NOT EXISTS users (
    position INTEGER PRIMARY KEY CHECK (position BETWEEN 1 AND 32767),
    name TEXT NOT NULL,
    unique_id TEXT NOT NULL UNIQUE,
    security INTEGER NOT NULL
);

CREATE TABLE IF NOT EXISTS contacts (id INTEGER PRIMARY KEY);

CREATE TABLE IF NOT EXISTS contact_values (
    contact INTEGER NOT NULL REFERENCES contacts(id) ON DELETE CASCADE,
    field INTEGER NOT NULL,
    value TEXT NOT NULL,
    PRIMARY KEY (contact, field)
);

CREATE TABLE IF NOT EXISTS aux_commands (
    name TEXT PRIMARY KEY,
    command_line TEXT NOT NULL,
    working_folder TEXT NOT NULL,
    menu_text TEXT NOT NULL,
    tool_tip TEXT NOT NULL,
    small_icon TEXT NOT NULL,
    large_icon TEXT NOT NULL,
    kind INTEGER NOT NULL
);

CREATE TABLE IF NOT EXISTS aux_placements (
    name TEXT NOT NULL REFERENCES aux_commands(name) ON DELETE CASCADE,
    place INTEGER NOT NULL CHECK (place IN (1, 2)),
    view INTEGER NOT NULL CHECK (view BETWEEN 1 AND 6),
    PRIMARY KEY (name, place, view)
);

CREATE TABLE IF NOT EXISTS commands (
    seq INTEGER PRIMARY KEY AUTOINCREMENT,
    number INTEGER NOT NULL
);

CREATE TABLE IF NOT EXISTS events (
    seq INTEGER PRIMARY KEY AUTOINCREMENT,
    kind INTEGER NOT NULL,
    argument INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE IF NOT EXISTS desktop_windows (
    handle INTEGER PRIMARY KEY AUTOINCREMENT,
    owner INTEGER NOT NULL,
    thread INTEGER NOT NULL,
    class_name TEXT NOT NULL,
    left INTEGER NOT NULL,
    top INTEGER NOT NULL,
    right INTEGER NOT NULL,
    bottom INTEGER NOT NULL
);

CREATE TABLE IF NOT EXISTS desktop_state (
    id INTEGER PRIMARY KEY CHECK (id = 1),
    act_window INTEGER NOT NULL DEFAULT 0,
    act_focus INTEGER NOT NULL DEFAULT 0,
    foreground INTEGER NOT NULL DEFAULT 0,
    foreground_owner INTEGER NOT NULL DEFAULT 0,
    foreground_seq INTEGER NOT NULL DEFAULT 0
);
INSERT OR IGNORE INTO desktop_state (id) VALUES (1);

CREATE TABLE IF NOT EXISTS desktop_keyboard (
    seq INTEGER PRIMARY KEY AUTOINCREMENT,
    code INTEGER NOT NULL CHECK (code BETWEEN 0 AND 255)
);

CREATE TABLE IF NOT EXISTS desktop_keys (
    seq INTEGER PRIMARY KEY AUTOINCREMENT,
    owner INTEGER NOT NULL,
    code INTEGER NOT NULL CHECK (code BETWEEN 0 AND 255)
);
)sql";

} // namespace

void createSchema(SqliteConnection& connection) {
    connection.transaction([&] { connection.exec(kSchema); });
}

} // namespace corvane::sim

#include "sim/engine/AuxCommandStore.h"

#include "sim/sqlite/SqliteConnection.h"

namespace corvane::sim {

bool AuxCommandStore::define(const AuxCommandDefinition& command) {
    return connection_.transaction([&] {
        if (find(command.name)) {
            return false;
        }
        connection_.execute("INSERT INTO aux_commands (name, command_line, working_folder, menu_text, tool_tip, "
                            "small_icon, large_icon, kind) VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
                            command.name, command.commandLine, command.workingFolder, command.menuText, command.toolTip,
                            command.smallIcon, command.largeIcon, int64_t{command.kind});
        return true;
    });
}

std::optional<AuxCommandDefinition> AuxCommandStore::find(const std::string& name) {
    auto row = connection_.prepare("SELECT name, command_line, working_folder, menu_text, tool_tip, small_icon, "
                                   "large_icon, kind FROM aux_commands WHERE name = ?");
    row.bind(name);
    if (!row.step()) {
        return std::nullopt;
    }
    return AuxCommandDefinition{row.text(0), row.text(1), row.text(2), row.text(3),
                                row.text(4), row.text(5), row.text(6), static_cast<int16_t>(row.integer(7))};
}

void AuxCommandStore::remove(const std::string& name) {
    connection_.execute("DELETE FROM aux_commands WHERE name = ?", name);
}

bool AuxCommandStore::isPlaced(AuxPlace place, int16_t view, const std::string& name) {
    return connection_
        .queryInteger("SELECT 1 FROM aux_placements WHERE name = ? AND place = ? AND view = ?", name,
                      static_cast<int64_t>(place), int64_t{view})
        .has_value();
}

std::vector<std::string> AuxCommandStore::placedIn(AuxPlace place, int16_t view) {
    auto row = connection_.prepare("SELECT name FROM aux_placements WHERE place = ? AND view = ? ORDER BY rowid");
    row.bindAll(static_cast<int64_t>(place), int64_t{view});
    std::vector<std::string> names;
    while (row.step()) {
        names.push_back(row.text(0));
    }
    return names;
}

void AuxCommandStore::setPlaced(AuxPlace place, int16_t view, const std::string& name, bool placed) {
    const char* sql = placed ? "INSERT OR IGNORE INTO aux_placements (name, place, view) VALUES (?, ?, ?)"
                             : "DELETE FROM aux_placements WHERE name = ? AND place = ? AND view = ?";
    connection_.execute(sql, name, static_cast<int64_t>(place), int64_t{view});
}

} // namespace corvane::sim

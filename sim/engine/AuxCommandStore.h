#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace corvane::sim {

class SqliteConnection;

/// An auxiliary command as `AddAuxCommand` defines it.
struct AuxCommandDefinition {
    std::string name;
    std::string commandLine;
    std::string workingFolder;
    std::string menuText;
    std::string toolTip;
    std::string smallIcon;
    std::string largeIcon;
    int16_t kind = 0;

    bool operator==(const AuxCommandDefinition&) const = default;
};

/// Where a command can be placed in a view.
enum class AuxPlace { Toolbar = 1, ToolsMenu = 2 };

/// ACT!'s auxiliary commands and their placements on the toolbars and Tools menus of views 1 to 6.
class AuxCommandStore {
public:
    static constexpr int16_t kFirstView = 1;
    static constexpr int16_t kLastView = 6;

    explicit AuxCommandStore(SqliteConnection& connection) : connection_(connection) {}

    /// False, changing nothing, when a command of that name exists already.
    bool define(const AuxCommandDefinition& command);
    std::optional<AuxCommandDefinition> find(const std::string& name);
    /// Removes the command and all its placements.
    void remove(const std::string& name);
    bool isPlaced(AuxPlace place, int16_t view, const std::string& name);
    /// Names of the commands placed there, in the order they were placed.
    std::vector<std::string> placedIn(AuxPlace place, int16_t view);
    /// Puts the defined command on (or takes it off) that view's toolbar or Tools menu.
    void setPlaced(AuxPlace place, int16_t view, const std::string& name, bool placed);

private:
    SqliteConnection& connection_;
};

} // namespace corvane::sim

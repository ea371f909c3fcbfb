#include "sim/act/SimAuxCommands.h"

#include "sim/act/ActChecks.h"
#include "sim/engine/Engine.h"

namespace corvane::sim {

namespace {

constexpr int32_t kDone = 0;
constexpr int32_t kRefused = 1;

void requireView(int16_t view) {
    if (view < AuxCommandStore::kFirstView || view > AuxCommandStore::kLastView) {
        throw RuntimeError(vberr::InvalidProcedureCall);
    }
}

} // namespace

int32_t SimAuxCommands::AuxCommandExists(const std::string& name) {
    requireRunning(engine_);
    return engine_.auxCommands().find(name) ? 1 : 0;
}

int32_t SimAuxCommands::AddAuxCommand(const std::string& name, const std::string& commandLine,
                                      const std::string& workingFolder, const std::string& menuText,
                                      const std::string& toolTip, const std::string& smallIcon,
                                      const std::string& largeIcon, int16_t kind) {
    requireRunning(engine_);
    if (name.empty()) {
        return kRefused;
    }
    const AuxCommandDefinition command{name, commandLine, workingFolder, menuText, toolTip, smallIcon, largeIcon, kind};
    return engine_.auxCommands().define(command) ? kDone : kRefused;
}

int32_t SimAuxCommands::AuxCommandExistsInToolbar(int16_t view, const std::string& name) {
    return isPlaced(AuxPlace::Toolbar, view, name);
}

int32_t SimAuxCommands::AuxCommandExistsInToolsMenu(int16_t view, const std::string& name) {
    return isPlaced(AuxPlace::ToolsMenu, view, name);
}

int32_t SimAuxCommands::AddAuxCommandToToolbar(int16_t view, const std::string& name) {
    return setPlaced(AuxPlace::Toolbar, view, name, true);
}

int32_t SimAuxCommands::AddAuxCommandToToolsMenu(int16_t view, const std::string& name) {
    return setPlaced(AuxPlace::ToolsMenu, view, name, true);
}

int32_t SimAuxCommands::RemoveAuxCommandFromToolbar(int16_t view, const std::string& name) {
    return setPlaced(AuxPlace::Toolbar, view, name, false);
}

int32_t SimAuxCommands::RemoveAuxCommandFromToolsMenu(int16_t view, const std::string& name) {
    return setPlaced(AuxPlace::ToolsMenu, view, name, false);
}

int32_t SimAuxCommands::isPlaced(AuxPlace place, int16_t view, const std::string& name) {
    requireRunning(engine_);
    requireView(view);
    return engine_.auxCommands().isPlaced(place, view, name) ? 1 : 0;
}

int32_t SimAuxCommands::setPlaced(AuxPlace place, int16_t view, const std::string& name, bool placed) {
    requireRunning(engine_);
    requireView(view);
    return engine_.transaction([&] {
        if (!engine_.auxCommands().find(name)) {
            return kRefused;
        }
        engine_.auxCommands().setPlaced(place, view, name, placed);
        return kDone;
    });
}

} // namespace corvane::sim

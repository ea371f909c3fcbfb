#pragma once

#include "common/act/Act.h"
#include "sim/engine/AuxCommandStore.h"

namespace corvane::sim {

class Engine;

/// "ACTOLE.AUXCMDS" of the simulated ACT!. Add and remove give 1 for a command that is not defined;
/// a view number outside 1 to 6 fails with error 5.
class SimAuxCommands : public act::AuxCommands {
public:
    explicit SimAuxCommands(Engine& engine) : engine_(engine) {}

    int32_t AuxCommandExists(const std::string& name) override;
    /// 1, changing nothing, for an empty name or one that is defined already.
    int32_t AddAuxCommand(const std::string& name, const std::string& commandLine, const std::string& workingFolder,
                          const std::string& menuText, const std::string& toolTip, const std::string& smallIcon,
                          const std::string& largeIcon, int16_t kind) override;
    int32_t AuxCommandExistsInToolbar(int16_t view, const std::string& name) override;
    int32_t AuxCommandExistsInToolsMenu(int16_t view, const std::string& name) override;
    int32_t AddAuxCommandToToolbar(int16_t view, const std::string& name) override;
    int32_t AddAuxCommandToToolsMenu(int16_t view, const std::string& name) override;
    int32_t RemoveAuxCommandFromToolbar(int16_t view, const std::string& name) override;
    int32_t RemoveAuxCommandFromToolsMenu(int16_t view, const std::string& name) override;

private:
    int32_t isPlaced(AuxPlace place, int16_t view, const std::string& name);
    int32_t setPlaced(AuxPlace place, int16_t view, const std::string& name, bool placed);

    Engine& engine_; // outlives every ACT! object
};

} // namespace corvane::sim

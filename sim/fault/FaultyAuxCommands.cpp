#include "sim/fault/FaultyAuxCommands.h"

namespace corvane::sim {

int32_t FaultyAuxCommands::AuxCommandExists(const std::string& name) {
    return injector_.intercept<int32_t>("AuxCommands.AuxCommandExists", {name},
                                        [&] { return inner_->AuxCommandExists(name); });
}

int32_t FaultyAuxCommands::AddAuxCommand(const std::string& name, const std::string& commandLine,
                                         const std::string& workingFolder, const std::string& menuText,
                                         const std::string& toolTip, const std::string& smallIcon,
                                         const std::string& largeIcon, int16_t kind) {
    return injector_.intercept<int32_t>(
        "AuxCommands.AddAuxCommand",
        {name, commandLine, workingFolder, menuText, toolTip, smallIcon, largeIcon, std::to_string(kind)}, [&] {
            return inner_->AddAuxCommand(name, commandLine, workingFolder, menuText, toolTip, smallIcon, largeIcon,
                                         kind);
        });
}

int32_t FaultyAuxCommands::AuxCommandExistsInToolbar(int16_t view, const std::string& name) {
    return viewCall("AuxCommands.AuxCommandExistsInToolbar", view, name, &act::AuxCommands::AuxCommandExistsInToolbar);
}

int32_t FaultyAuxCommands::AuxCommandExistsInToolsMenu(int16_t view, const std::string& name) {
    return viewCall("AuxCommands.AuxCommandExistsInToolsMenu", view, name,
                    &act::AuxCommands::AuxCommandExistsInToolsMenu);
}

int32_t FaultyAuxCommands::AddAuxCommandToToolbar(int16_t view, const std::string& name) {
    return viewCall("AuxCommands.AddAuxCommandToToolbar", view, name, &act::AuxCommands::AddAuxCommandToToolbar);
}

int32_t FaultyAuxCommands::AddAuxCommandToToolsMenu(int16_t view, const std::string& name) {
    return viewCall("AuxCommands.AddAuxCommandToToolsMenu", view, name, &act::AuxCommands::AddAuxCommandToToolsMenu);
}

int32_t FaultyAuxCommands::RemoveAuxCommandFromToolbar(int16_t view, const std::string& name) {
    return viewCall("AuxCommands.RemoveAuxCommandFromToolbar", view, name,
                    &act::AuxCommands::RemoveAuxCommandFromToolbar);
}

int32_t FaultyAuxCommands::RemoveAuxCommandFromToolsMenu(int16_t view, const std::string& name) {
    return viewCall("AuxCommands.RemoveAuxCommandFromToolsMenu", view, name,
                    &act::AuxCommands::RemoveAuxCommandFromToolsMenu);
}

} // namespace corvane::sim

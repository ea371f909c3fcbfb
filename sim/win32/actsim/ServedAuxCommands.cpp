#include "sim/win32/actsim/ServedAuxCommands.h"

namespace corvane::sim::win32 {

HRESULT ServedAuxCommands::AuxCommandExists(BSTR name, long* exists) {
    return give(exists, [&] { return commands_->AuxCommandExists(ansiOf(name)); });
}

HRESULT ServedAuxCommands::AddAuxCommand(BSTR name, BSTR commandLine, BSTR workingFolder, BSTR menuText, BSTR toolTip,
                                         BSTR smallIcon, BSTR largeIcon, short kind, long* result) {
    return give(result, [&] {
        return commands_->AddAuxCommand(ansiOf(name), ansiOf(commandLine), ansiOf(workingFolder), ansiOf(menuText),
                                        ansiOf(toolTip), ansiOf(smallIcon), ansiOf(largeIcon), kind);
    });
}

HRESULT ServedAuxCommands::AuxCommandExistsInToolbar(short view, BSTR name, long* exists) {
    return give(exists, [&] { return commands_->AuxCommandExistsInToolbar(view, ansiOf(name)); });
}

HRESULT ServedAuxCommands::AuxCommandExistsInToolsMenu(short view, BSTR name, long* exists) {
    return give(exists, [&] { return commands_->AuxCommandExistsInToolsMenu(view, ansiOf(name)); });
}

HRESULT ServedAuxCommands::AddAuxCommandToToolbar(short view, BSTR name, long* result) {
    return give(result, [&] { return commands_->AddAuxCommandToToolbar(view, ansiOf(name)); });
}

HRESULT ServedAuxCommands::AddAuxCommandToToolsMenu(short view, BSTR name, long* result) {
    return give(result, [&] { return commands_->AddAuxCommandToToolsMenu(view, ansiOf(name)); });
}

HRESULT ServedAuxCommands::RemoveAuxCommandFromToolbar(short view, BSTR name, long* result) {
    return give(result, [&] { return commands_->RemoveAuxCommandFromToolbar(view, ansiOf(name)); });
}

HRESULT ServedAuxCommands::RemoveAuxCommandFromToolsMenu(short view, BSTR name, long* result) {
    return give(result, [&] { return commands_->RemoveAuxCommandFromToolsMenu(view, ansiOf(name)); });
}

} // namespace corvane::sim::win32

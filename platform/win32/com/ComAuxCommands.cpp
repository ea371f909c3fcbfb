#include "platform/win32/com/ComAuxCommands.h"

namespace corvane::win32::com {

int32_t ComAuxCommands::onView(std::string_view member, int16_t view, const std::string& name) {
    return object_.call(member, Argument::int16(view), Argument::text(name)).toInt32();
}

int32_t ComAuxCommands::AuxCommandExists(const std::string& name) {
    return object_.call("AuxCommandExists", Argument::text(name)).toInt32();
}

int32_t ComAuxCommands::AddAuxCommand(const std::string& name, const std::string& commandLine,
                                      const std::string& workingFolder, const std::string& menuText,
                                      const std::string& toolTip, const std::string& smallIcon,
                                      const std::string& largeIcon, int16_t kind) {
    return object_
        .call("AddAuxCommand", Argument::text(name), Argument::text(commandLine), Argument::text(workingFolder),
              Argument::text(menuText), Argument::text(toolTip), Argument::text(smallIcon), Argument::text(largeIcon),
              Argument::int16(kind))
        .toInt32();
}

int32_t ComAuxCommands::AuxCommandExistsInToolbar(int16_t view, const std::string& name) {
    return onView("AuxCommandExistsInToolbar", view, name);
}

int32_t ComAuxCommands::AuxCommandExistsInToolsMenu(int16_t view, const std::string& name) {
    return onView("AuxCommandExistsInToolsMenu", view, name);
}

int32_t ComAuxCommands::AddAuxCommandToToolbar(int16_t view, const std::string& name) {
    return onView("AddAuxCommandToToolbar", view, name);
}

int32_t ComAuxCommands::AddAuxCommandToToolsMenu(int16_t view, const std::string& name) {
    return onView("AddAuxCommandToToolsMenu", view, name);
}

int32_t ComAuxCommands::RemoveAuxCommandFromToolbar(int16_t view, const std::string& name) {
    return onView("RemoveAuxCommandFromToolbar", view, name);
}

int32_t ComAuxCommands::RemoveAuxCommandFromToolsMenu(int16_t view, const std::string& name) {
    return onView("RemoveAuxCommandFromToolsMenu", view, name);
}

} // namespace corvane::win32::com

#pragma once

#include "common/act/Act.h"
#include "platform/win32/com/DispatchObject.h"

namespace corvane::win32::com {

/// "ACTOLE.AUXCMDS" over COM automation.
class ComAuxCommands : public act::AuxCommands {
public:
    explicit ComAuxCommands(ComPtr<IDispatch> object) : object_(std::move(object)) {}
    int32_t AuxCommandExists(const std::string& name) override;
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
    int32_t onView(std::string_view member, int16_t view, const std::string& name);

    DispatchObject object_;
};

} // namespace corvane::win32::com

#pragma once

#include "common/act/Act.h"
#include "sim/fault/FaultInjector.h"

namespace corvane::sim {

/// Routes every member of an auxiliary-commands object through the fault injector.
class FaultyAuxCommands : public act::AuxCommands {
public:
    FaultyAuxCommands(std::shared_ptr<act::AuxCommands> inner, FaultInjector& injector)
        : inner_(std::move(inner)), injector_(injector) {}

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
    /// The members that take a view number and a command name.
    template <class Member> int32_t viewCall(std::string_view member, int16_t view, const std::string& name, Member m) {
        return injector_.intercept<int32_t>(member, {std::to_string(view), name},
                                            [&] { return ((*inner_).*m)(view, name); });
    }

    std::shared_ptr<act::AuxCommands> inner_;
    FaultInjector& injector_; // outlives every wrapped object
};

} // namespace corvane::sim

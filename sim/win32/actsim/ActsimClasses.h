#pragma once

#include "common/act/Act.h"
#include "sim/win32/common/ActsimTypes.h"

#include <array>
#include <string_view>

namespace corvane::sim::win32 {

/// One of the automation classes actsim serves: its ProgID (ACT!'s class name) and class id.
struct AutomationClass {
    std::string_view progId;
    CLSID classId;
    std::string_view description;
};

inline const std::array<AutomationClass, 3>& automationClasses() {
    static const std::array<AutomationClass, 3> classes{{
        {act::kAppObjectClass, __uuidof(ActApplication), "Simulated ACT! application"},
        {act::kDatabaseClass, __uuidof(ActDatabase), "Simulated ACT! database"},
        {act::kAuxCommandsClass, __uuidof(ActAuxCommands), "Simulated ACT! auxiliary commands"},
    }};
    return classes;
}

/// The event control's class, which actevent.dll implements in the programs' own processes.
inline constexpr std::string_view kEventControlProgId = "ACTEVENTLib.ActEvent";
inline constexpr std::string_view kEventControlFile = "actevent.dll";

} // namespace corvane::sim::win32

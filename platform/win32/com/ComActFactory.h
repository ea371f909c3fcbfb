#pragma once

#include "common/act/Act.h"

#include <string_view>

namespace corvane::win32::com {

/// ACT!'s objects on Windows: created from their class name through COM (`CLSIDFromProgID`,
/// `CoCreateInstance`, in-process or local server) and called by member name. A class that is not
/// registered or cannot be created is VB's error 429. An event control whose class is not registered
/// behaves as one that cannot reach ACT!, so the programs give their own message (run actreg.exe)
/// instead of failing.
class ComActFactory : public act::ActFactory {
public:
    static constexpr std::string_view kEventControlClass = "ACTEVENTLib.ActEvent";

    std::shared_ptr<act::ActObject> CreateObject(std::string_view className) override;
    std::unique_ptr<act::EventControl> CreateEventControl() override;
};

} // namespace corvane::win32::com

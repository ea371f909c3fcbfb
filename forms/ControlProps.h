#pragma once

#include <cstdint>
#include <string>

namespace corvane::forms {

/// Design properties every control has. Positions are in twips, relative to the control's
/// container (its form or frame).
struct ControlProps {
    std::string name;
    /// Index inside a control array; -1 for a control that is not in one.
    int index = -1;
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
    bool visible = true;
    bool enabled = true;
    std::string tag;
};

} // namespace corvane::forms

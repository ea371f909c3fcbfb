#pragma once

#include "common/RuntimeError.h"

#include <string>

namespace corvane::forms {

/// VB's error 340 for an index that names no element of a control array.
inline RuntimeError controlArrayError(int index) {
    return RuntimeError(340, "Control array element '" + std::to_string(index) + "' doesn't exist");
}

} // namespace corvane::forms

#pragma once

#include "common/RuntimeError.h"

namespace corvane::test {

/// VB error number that the call fails with, or 0 when it succeeds.
template <class Call> int vbErrorOf(Call&& call) {
    try {
        call();
    } catch (const RuntimeError& error) {
        return error.number();
    }
    return 0;
}

} // namespace corvane::test

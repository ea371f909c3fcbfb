#pragma once

#include "sim/engine/Engine.h"

#include <map>
#include <string>
#include <utility>

namespace corvane::test {

/// Every value the simulated ACT! holds, by contact and field number, to assert that a run wrote no
/// field it should not have.
using ContactValues = std::map<std::pair<int64_t, int16_t>, std::string>;

ContactValues contactValues(sim::Engine& engine);

} // namespace corvane::test

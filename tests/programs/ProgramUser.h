#pragma once

#include "tests/support/TempDir.h"

#include <string>

namespace corvane::test {

/// Makes `dir` the home of the user a real program started by the test runs as: its runtime folder
/// (where actsim publishes itself), its own settings naming `dir`/Settings as the settings folder and
/// the users file in it, that users file with `usersFile`, and Qt offscreen. Sets the environment of
/// this process, which the program inherits.
void prepareProgramUser(const TempDir& dir, const std::string& usersFile);

} // namespace corvane::test

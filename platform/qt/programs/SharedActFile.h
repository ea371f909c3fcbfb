#pragma once

#include <string>

namespace corvane::forms::qt {

/// The simulated ACT! that the Linux programs attach to: one SQLite file per user that the simulator
/// and both programs share, "actsim.sqlite" in the user's data folder ($XDG_DATA_HOME, else
/// ~/.local/share). Until the simulator has run, ACT! does not run there and the programs say so.
std::string sharedActFile();

} // namespace corvane::forms::qt

#pragma once

#include "sim/engine/Engine.h"

#include <memory>
#include <string>

namespace corvane::sim::actsim {

/// The demo database's place in the user's data folder: $XDG_DATA_HOME (else ~/.local/share),
/// "Corvane", "Sales.dbf".
std::string defaultDatabasePath();

/// Opens the database file as the running ACT! (running, database open, no field focused, an empty desktop). A
/// missing file is made from the demo seed, with its folder; an existing one is used as it is, so a
/// restart finds everything the last run left.
std::unique_ptr<Engine> openActsimDatabase(const std::string& path);

} // namespace corvane::sim::actsim

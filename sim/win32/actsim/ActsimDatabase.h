#pragma once

#include "sim/engine/Engine.h"

#include <memory>
#include <string>

namespace corvane::sim::win32 {

/// The full path of a file named relative to the current folder, as ACT! reports its database.
std::string fullPathOf(const std::string& path);

/// The demo database's place in the user's local application data: "Corvane\Sales.dbf" there.
std::string defaultDatabasePath();

/// Opens the database file as the running ACT! (running, database open, no field focused). A missing
/// file is made from the demo seed, with its folder; an existing one is used as it is, so a restart
/// finds everything the last run left. The path is full, in the system's ANSI code page.
std::unique_ptr<Engine> openActsimDatabase(const std::string& path);

} // namespace corvane::sim::win32

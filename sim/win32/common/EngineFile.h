#pragma once

#include "sim/engine/Engine.h"

#include <memory>
#include <string>

namespace corvane::sim::win32 {

/// The engine over a database file whose path is in the system's ANSI code page, as the programs
/// name files; SQLite itself takes UTF-8 names.
std::unique_ptr<Engine> openEngine(const std::string& path);

} // namespace corvane::sim::win32

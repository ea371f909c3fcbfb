#pragma once

#include "sim/win32/common/TypeLibrary.h"

#include <string>

/// actsim's entries in the registry, made for the current user under HKCU\Software\Classes: the ProgIDs
/// of the three automation classes with their classes served by actsim.exe (LocalServer32), the event
/// control's class in actevent.dll beside it (InprocServer32, apartment-threaded) and the type
/// library. Where the system's class root does not show the user's classes (Wine 8 does not), the same
/// entries go into the machine's classes too. Failures raise as registry writes do.
namespace corvane::sim::win32::ClassRegistration {

/// Registers actsim.exe at that path, replacing what an earlier registration left.
void registerServer(const std::string& serverPath, const TypeLibrary& library);
/// Removes every entry, wherever it was made; entries that are not there count as removed.
void unregisterServer(const TypeLibrary& library);

} // namespace corvane::sim::win32::ClassRegistration

#pragma once

/// How much of actevent.dll is in use (live objects and server locks), so that COM unloads it only
/// when nothing is (DllCanUnloadNow).
namespace corvane::sim::win32::ModuleUsage {

bool inUse();
void add();
void remove();

/// One use of the DLL for as long as the object lives.
class Reference {
public:
    Reference() { add(); }
    ~Reference() { remove(); }
    Reference(const Reference&) = delete;
    Reference& operator=(const Reference&) = delete;
};

} // namespace corvane::sim::win32::ModuleUsage

#include "sim/win32/actevent/ModuleUsage.h"

#include <atomic>

namespace corvane::sim::win32::ModuleUsage {

namespace {
// COM asks the DLL itself, with no object to hold the count.
std::atomic<long> uses{0};
} // namespace

bool inUse() {
    return uses.load() > 0;
}

void add() {
    ++uses;
}

void remove() {
    --uses;
}

} // namespace corvane::sim::win32::ModuleUsage

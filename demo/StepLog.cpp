#include "demo/StepLog.h"

#include <cstdio>

namespace corvane::demo {

void StepLog::step(const std::string& what) {
    std::printf("\nStep %d: %s\n", ++step_, what.c_str());
    std::fflush(stdout);
}

bool StepLog::check(bool ok, const std::string& what) {
    std::printf("  [%s] %s\n", ok ? "ok" : "FAILED", what.c_str());
    std::fflush(stdout);
    if (!ok) {
        ++failures_;
    }
    return ok;
}

std::string StepLog::nextShotName(const std::string& name) {
    const std::string number = std::to_string(++shot_);
    return std::string(number.size() < 2 ? "0" : "") + number + "-" + name;
}

} // namespace corvane::demo

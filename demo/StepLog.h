#pragma once

#include <string>

namespace corvane::demo {

/// What a tour tells as it goes, whatever draws its pictures: each step, each check with "ok" or
/// "FAILED", and the numbered names of its screenshots.
class StepLog {
public:
    void step(const std::string& what);
    /// Prints the check and remembers a failure; returns `ok`.
    bool check(bool ok, const std::string& what);
    /// "NN-name": the next screenshot's file name without its extension.
    std::string nextShotName(const std::string& name);

    bool allPassed() const { return failures_ == 0; }
    int failures() const { return failures_; }

private:
    int step_ = 0;
    int shot_ = 0;
    int failures_ = 0;
};

} // namespace corvane::demo

#pragma once

#include <string>

namespace corvane::test {

/// What the Windows tour tells as it goes: each step, each check with "ok" or "FAILED", and pictures
/// of the whole desktop saved as "NN-name.png" in the screenshot folder (CORVANE_SCREENSHOT_DIR).
class TourLog {
public:
    void step(const std::string& what);
    /// Prints the check and remembers a failure; returns `ok`.
    bool check(bool ok, const std::string& what);
    /// Has every window of the desktop painted and saves what the desktop shows, once it has settled;
    /// a blank picture is a failed check.
    void screenshot(const std::string& name);

    bool allPassed() const { return failures_ == 0; }
    int failures() const { return failures_; }

private:
    int step_ = 0;
    int shot_ = 0;
    int failures_ = 0;
};

} // namespace corvane::test

#pragma once

#include <QImage>

#include <string>

namespace corvane::demo {

/// What the tour tells as it goes: each step, each check with "ok" or "FAILED", and a screenshot per
/// step saved as "NN-name.png" in the screenshot folder.
class TourLog {
public:
    /// The folder must exist.
    explicit TourLog(std::string screenshotFolder);

    void step(const std::string& what);
    /// Prints the check and remembers a failure.
    bool check(bool ok, const std::string& what);
    /// Saves the picture for the current step; an empty picture is a failed check.
    void screenshot(const QImage& image, const std::string& name);

    bool allPassed() const { return failures_ == 0; }
    int failures() const { return failures_; }

private:
    std::string folder_;
    int step_ = 0;
    int shot_ = 0;
    int failures_ = 0;
};

} // namespace corvane::demo

#pragma once

#include "demo/StepLog.h"

#include <QImage>

#include <string>

namespace corvane::demo {

/// The Linux tour's log: a screenshot per step saved as "NN-name.png" in the screenshot folder.
class TourLog : public StepLog {
public:
    /// The folder must exist.
    explicit TourLog(std::string screenshotFolder);

    /// Saves the picture for the current step; an empty picture is a failed check.
    void screenshot(const QImage& image, const std::string& name);

private:
    std::string folder_;
};

} // namespace corvane::demo

#pragma once

#include "demo/StepLog.h"

#include <string>

namespace corvane::test {

/// The Windows tour's log: pictures of the whole desktop saved as "NN-name.png" in the screenshot
/// folder (CORVANE_SCREENSHOT_DIR).
class TourLog : public demo::StepLog {
public:
    /// Has every window of the desktop painted and saves what the desktop shows, once it has settled;
    /// a blank picture is a failed check.
    void screenshot(const std::string& name);
};

} // namespace corvane::test

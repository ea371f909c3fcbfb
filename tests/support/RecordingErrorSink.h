#pragma once

#include "common/ErrorReport.h"

#include <string>
#include <vector>

namespace corvane::test {

/// Keeps every error report shown, for tests of guarded operations without a forms runtime.
struct RecordingErrorSink : ErrorSink {
    struct Shown {
        std::string title, text;
    };
    std::vector<Shown> shown;

    void showErrorReport(const std::string& title, const std::string& text) override { shown.push_back({title, text}); }

    /// The first two lines of each report ("Error N: '...'" and "in LABEL - Line # N"), in order.
    std::vector<std::string> headlines() const {
        std::vector<std::string> lines;
        for (const Shown& report : shown) {
            lines.push_back(report.text.substr(0, report.text.find("\r\r")));
        }
        return lines;
    }
};

} // namespace corvane::test

#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace corvane::forms::headless {

/// Where the headless backend reports what a test did not expect (a message box nobody queued, a
/// modal form left open). Tests set a handler that fails the test, e.g. with ADD_FAILURE; every
/// failure is also kept for inspection.
class FailureReporter {
public:
    void setHandler(std::function<void(const std::string& message)> handler) { handler_ = std::move(handler); }
    void fail(const std::string& message);
    const std::vector<std::string>& failures() const { return failures_; }

private:
    std::function<void(const std::string&)> handler_;
    std::vector<std::string> failures_;
};

} // namespace corvane::forms::headless

#pragma once

#include "forms/headless/FailureReporter.h"

#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace corvane::forms::headless {

/// A queue of scripted answers to one kind of dialog (a path, or nothing for Cancel) and a record of
/// every request. A dialog nobody scripted is a failure and is cancelled.
template <class Request> class ScriptedAnswers {
public:
    ScriptedAnswers(FailureReporter& failures, std::string what) : failures_(failures), what_(std::move(what)) {}

    void answer(std::optional<std::string> value) { answers_.push_back(std::move(value)); }
    const std::vector<Request>& requests() const { return requests_; }

    std::optional<std::string> take(const Request& request) {
        requests_.push_back(request);
        if (answers_.empty()) {
            failures_.fail("Unexpected " + what_ + "; it was cancelled");
            return std::nullopt;
        }
        auto value = std::move(answers_.front());
        answers_.pop_front();
        return value;
    }

    /// Reports answers that no dialog took, and forgets them.
    void verifyDone() {
        if (!answers_.empty()) {
            failures_.fail(std::to_string(answers_.size()) + " scripted " + what_ + " answer(s) never used");
        }
        answers_.clear();
    }

private:
    FailureReporter& failures_;
    std::string what_;
    std::deque<std::optional<std::string>> answers_;
    std::vector<Request> requests_;
};

} // namespace corvane::forms::headless

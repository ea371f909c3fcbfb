#pragma once

#include "forms/MsgBoxService.h"
#include "forms/headless/FailureReporter.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace corvane::forms::headless {

/// Message boxes answered from a queue of expected boxes. A box whose text differs from the next
/// expected one, or that nobody expected, is a failure; it is answered with its default button.
class ScriptedMsgBox : public MsgBoxService {
public:
    explicit ScriptedMsgBox(FailureReporter& failures) : failures_(failures) {}

    /// Expects the next box to show exactly this text and answers it. `whileShown` runs while the box
    /// is open, e.g. to advance the clock so that timers tick behind it.
    void expect(std::string text, int answer = vbOK, std::function<void()> whileShown = {});
    /// Every box shown so far, in order.
    const std::vector<MsgBoxRequest>& shown() const { return shown_; }
    size_t pending() const { return expected_.size(); }
    /// Reports each expected box that was never shown, and forgets them.
    void verifyDone();

    int show(const MsgBoxRequest& request) override;

private:
    struct Expected {
        std::string text;
        int answer;
        std::function<void()> whileShown;
    };

    FailureReporter& failures_;
    std::deque<Expected> expected_;
    std::vector<MsgBoxRequest> shown_;
};

/// Printable form of a message box for failure messages.
std::string describe(const MsgBoxRequest& request);

} // namespace corvane::forms::headless

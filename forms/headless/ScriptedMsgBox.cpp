#include "forms/headless/ScriptedMsgBox.h"

#include <utility>

namespace corvane::forms::headless {

namespace {
int defaultAnswer(const MsgBoxStyle& style) {
    if (style.buttons == MsgBoxButtons::OkOnly) {
        return vbOK;
    }
    return style.defaultButton2 ? vbNo : vbYes;
}

bool offers(const MsgBoxStyle& style, int answer) {
    return style.buttons == MsgBoxButtons::OkOnly ? answer == vbOK : answer == vbYes || answer == vbNo;
}
} // namespace

std::string describe(const MsgBoxRequest& request) {
    return "message box titled \"" + request.title + "\" saying \"" + request.text + "\"";
}

void ScriptedMsgBox::expect(std::string text, int answer, std::function<void()> whileShown) {
    expected_.push_back({std::move(text), answer, std::move(whileShown)});
}

int ScriptedMsgBox::show(const MsgBoxRequest& request) {
    shown_.push_back(request);
    if (expected_.empty()) {
        failures_.fail("Unexpected " + describe(request));
        return defaultAnswer(request.style);
    }
    Expected next = std::move(expected_.front());
    expected_.pop_front();
    if (next.text != request.text) {
        failures_.fail("Expected a message box saying \"" + next.text + "\" but got a " + describe(request));
        return defaultAnswer(request.style);
    }
    if (!offers(request.style, next.answer)) {
        failures_.fail("The scripted answer is not a button of the " + describe(request));
        return defaultAnswer(request.style);
    }
    if (next.whileShown) {
        next.whileShown();
    }
    return next.answer;
}

void ScriptedMsgBox::verifyDone() {
    for (const Expected& box : expected_) {
        failures_.fail("Expected a message box saying \"" + box.text + "\" that was never shown");
    }
    expected_.clear();
}

} // namespace corvane::forms::headless

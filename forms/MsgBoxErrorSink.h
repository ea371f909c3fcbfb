#pragma once

#include "common/ErrorReport.h"

#include <string>

namespace corvane::forms {

class Runtime;

/// Shows error reports as the runtime's message boxes: OK only, no icon. Like every box, a report is
/// a modal wait: none shows once the program has ended.
class MsgBoxErrorSink : public ErrorSink {
public:
    explicit MsgBoxErrorSink(Runtime& runtime) : runtime_(runtime) {}

    void showErrorReport(const std::string& title, const std::string& text) override;

private:
    Runtime& runtime_;
};

} // namespace corvane::forms

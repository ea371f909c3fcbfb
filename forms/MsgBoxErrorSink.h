#pragma once

#include "common/ErrorReport.h"
#include "forms/MsgBoxService.h"

#include <string>

namespace corvane::forms {

/// Shows error reports through the message box: OK only, no icon.
class MsgBoxErrorSink : public ErrorSink {
public:
    explicit MsgBoxErrorSink(MsgBoxService& msgBox) : msgBox_(msgBox) {}

    void showErrorReport(const std::string& title, const std::string& text) override;

private:
    MsgBoxService& msgBox_;
};

} // namespace corvane::forms

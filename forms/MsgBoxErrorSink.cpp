#include "forms/MsgBoxErrorSink.h"

#include "forms/Runtime.h"

namespace corvane::forms {

void MsgBoxErrorSink::showErrorReport(const std::string& title, const std::string& text) {
    runtime_.MsgBox(text, {MsgBoxButtons::OkOnly, MsgBoxIcon::None, false}, title);
}

} // namespace corvane::forms

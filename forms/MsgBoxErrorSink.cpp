#include "forms/MsgBoxErrorSink.h"

namespace corvane::forms {

void MsgBoxErrorSink::showErrorReport(const std::string& title, const std::string& text) {
    msgBox_.show({text, title, {MsgBoxButtons::OkOnly, MsgBoxIcon::None, false}});
}

} // namespace corvane::forms

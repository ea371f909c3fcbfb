#include "admin/AdminProgram.h"

namespace corvane::admin {

AdminProgram::AdminProgram(forms::Runtime& runtime, act::ActFactory& factory, SettingsStore& settings)
    : errorSink_(runtime), errors_(runtime.app().Title(), errorSink_), form1_(runtime, factory, settings, errors_) {}

void AdminProgram::start() {
    form1_.Show();
}

} // namespace corvane::admin

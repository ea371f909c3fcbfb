#include "trigger/CorvaneEditMode.h"

namespace corvane::trigger {

CorvaneEditMode::CorvaneEditMode(forms::Runtime& runtime, act::ActFactory& factory, SettingsStore& settings,
                                 forms::WindowSystem& windows)
    : errorSink_(runtime), errors_(runtime.app().Title(), errorSink_),
      frmMain_(runtime, {factory, settings, windows, errors_}) {}

void CorvaneEditMode::start() {
    frmMain_.Load();
}

} // namespace corvane::trigger

#pragma once

#include "common/ErrorReport.h"
#include "common/SettingsStore.h"
#include "common/act/Act.h"
#include "forms/WindowSystem.h"

namespace corvane::trigger {

/// What the trigger's forms need from the world besides the forms runtime: ACT!'s object factory,
/// the per-user settings, the window system and the program's error reporter. None is owned.
struct TriggerServices {
    act::ActFactory& factory;
    SettingsStore& settings;
    forms::WindowSystem& windows;
    ErrorReporter& errors;
};

} // namespace corvane::trigger

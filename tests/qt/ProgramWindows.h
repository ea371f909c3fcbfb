#pragma once

#include "platform/qt/FormWindow.h"

#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace corvane::forms::qt::test {

/// Runs `action` with the window of the form named `formName` once it shows modally; the action
/// runs inside the form's own loop and must close it.
void onModal(const std::string& formName, std::function<void(FormWindow& window)> action);

/// The controls of a window that are shown but cut by the edge of their parent (give or take the
/// pixel that rounding twips may cost), by name. A control wholly outside is hidden by design, as the
/// field panel of a collapsed `Form1`.
std::vector<std::string> clippedControls(FormWindow& window);

/// Saves the window as the desktop shows it, as `name`.png.
void saveWindow(FormWindow& window, const std::string& name);

} // namespace corvane::forms::qt::test

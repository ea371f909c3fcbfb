#pragma once

#include "common/ErrorReport.h"
#include "forms/CommonDialog.h"

#include <functional>
#include <string>

namespace corvane::admin {

/// Export... of the tool's dialogs: asks through the save-file dialog where to save a CSV file,
/// proposing `fileName`, and writes `csv()` there. A cancel writes nothing. Statements 10 (the
/// dialog) and 20 (the write) are the caller's.
void Export_Csv(forms::CommonDialog& dialog, const std::string& fileName, Statement& at,
                const std::function<std::string()>& csv);

} // namespace corvane::admin

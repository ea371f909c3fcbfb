#pragma once

#include "common/SettingsStore.h"
#include "common/act/Act.h"
#include "forms/App.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::admin {

/// The one option the administration tool reads; without it as its first argument the tool starts
/// as it always has, whatever else is on its command line.
inline constexpr std::string_view kRightsReportOption = "--rights-report";

/// Exit codes of `Corvane --rights-report <file.csv>`.
inline constexpr int kReportWritten = 0;
inline constexpr int kReportFailed = 1;
inline constexpr int kUsageError = 2;

/// Where the command writes its reasons: a program's standard error.
using TextOut = std::function<void(std::string_view text)>;

/// The administration tool's one command line: `--rights-report <file.csv>` writes every ACT!
/// user's level for every protected field as CSV (see `rightsReportCsv`) without showing a window.
/// `arguments` are the program's arguments after its name, the option first. ACT! is reached through `factory` and
/// `Users.dat` found through `settings` and the program's folder, as the tool does; like the tool,
/// the report is for the database's administrators only. Any failure is written to `err` (error
/// reports with their lines on lines of their own) and gives `kReportFailed`; a missing file name or
/// more arguments give `kUsageError`. A missing users file fails too: it sets nobody's
/// rights (until it exists the trigger lets everybody change every field).
int runRightsReportCommand(const std::vector<std::string>& arguments, act::ActFactory& factory, SettingsStore& settings,
                           forms::App& app, const TextOut& err);

} // namespace corvane::admin

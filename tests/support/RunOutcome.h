#pragma once

#include "forms/MsgBoxService.h"

#include <string>
#include <vector>

namespace corvane::test {

/// What one run of a program showed and how it ended, in words a table can print and a test can
/// compare: each message box in order and whether the program ended.
struct RunOutcome {
    /// One entry per box: an error report as its label and error ("report Form1: Sub Form_Load (91)"),
    /// a run-time error as "run-time error N", any other box as "message " and its first line.
    std::vector<std::string> boxes;
    bool ended = false;

    bool operator==(const RunOutcome&) const = default;
};

/// The entry of `RunOutcome::boxes` for one box shown.
std::string describeBox(const forms::MsgBoxRequest& box);
/// Every box as its entry, in order.
std::vector<std::string> describeBoxes(const std::vector<forms::MsgBoxRequest>& boxes);
/// "report X; message Y -> ends" or "-> runs on": one table cell.
std::string describe(const RunOutcome& outcome);

} // namespace corvane::test

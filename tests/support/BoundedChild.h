#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace corvane::test {

/// Runs `body` in a child process and returns the text it returns. A child that is still running
/// after `bound` is killed, and one that dies, so a case that would hang or crash fails within its
/// bound and the test goes on: the result then reads "HUNG (killed after N ms)" or
/// "CRASHED (signal N)", and for a child that ended without answering (a sanitizer's report)
/// "NO RESULT (exit status N)". Only the returned text comes back; the child's changes to memory do
/// not.
std::string runBounded(const std::function<std::string()>& body, std::chrono::milliseconds bound);

} // namespace corvane::test

#include "tests/support/RunOutcome.h"

namespace corvane::test {

namespace {

std::string firstLine(const std::string& text) {
    const std::string line = text.substr(0, text.find_first_of("\r\n"));
    constexpr size_t kLongest = 60;
    return line.size() > kLongest ? line.substr(0, kLongest) + "..." : line;
}

} // namespace

std::string describeBox(const forms::MsgBoxRequest& box) {
    // An error report reads "Error N: '...'" CR "in LABEL - Line # L"; the statement number is left
    // out so that a table keyed by operation stays readable.
    const std::string marker = "\rin ";
    const size_t in = box.text.find(marker);
    if (box.text.starts_with("Error ") && in != std::string::npos) {
        const size_t start = in + marker.size();
        return "report " + box.text.substr(start, box.text.find(" - Line # ", start) - start) + " (" +
               box.text.substr(6, box.text.find(':') - 6) + ")";
    }
    if (box.text.starts_with("Run-time error '")) {
        return "run-time error " + box.text.substr(16, box.text.find('\'', 16) - 16);
    }
    return "message " + firstLine(box.text);
}

std::vector<std::string> describeBoxes(const std::vector<forms::MsgBoxRequest>& boxes) {
    std::vector<std::string> described;
    for (const forms::MsgBoxRequest& box : boxes) {
        described.push_back(describeBox(box));
    }
    return described;
}

std::string describe(const RunOutcome& outcome) {
    std::string text;
    for (const std::string& box : outcome.boxes) {
        text += (text.empty() ? "" : "; ") + box;
    }
    return (text.empty() ? "no box" : text) + (outcome.ended ? " -> ends" : " -> runs on");
}

} // namespace corvane::test

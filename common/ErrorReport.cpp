#include "common/ErrorReport.h"

#include <utility>

namespace corvane {

std::string errorReportTitle(std::string_view programTitle) {
    return std::string(programTitle) + " error";
}

std::string errorReportText(const RuntimeError& error, std::string_view label, int line) {
    std::string text = "Error " + std::to_string(error.number()) + ": '" + error.description() + "'";
    text += '\r';
    text += "in ";
    text += label;
    text += " - Line # " + std::to_string(line);
    text += "\r\r";
    text += kSupportRequest;
    return text;
}

ErrorReporter::ErrorReporter(std::string programTitle, ErrorSink& sink)
    : programTitle_(std::move(programTitle)), sink_(sink) {}

void ErrorReporter::report(const RuntimeError& error, std::string_view label, int line) {
    sink_.showErrorReport(errorReportTitle(programTitle_), errorReportText(error, label, line));
}

} // namespace corvane

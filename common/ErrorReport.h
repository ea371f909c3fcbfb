#pragma once

#include "common/RuntimeError.h"

#include <new>
#include <string>
#include <string_view>
#include <utility>

namespace corvane {

/// The support request that closes every error report.
inline constexpr std::string_view kSupportRequest = "Please send this error message to support@corvane.com";

/// Title of an error report: the program's title followed by " error".
std::string errorReportTitle(std::string_view programTitle);

/// Text of an error report: "Error N: 'description'", "in LABEL - Line # N", an empty line and the
/// support request, joined by a lone CR.
std::string errorReportText(const RuntimeError& error, std::string_view label, int line);

/// Where a program's error reports are shown: the message-box service of the forms runtime in the
/// programs, a recorder in tests. The report is shown with an OK button only and no icon.
class ErrorSink {
public:
    virtual ~ErrorSink() = default;
    virtual void showErrorReport(const std::string& title, const std::string& text) = 0;
};

/// A failure that an operation has already shown in its own error report. It ends the guarded
/// operation that called it, which reports nothing more: one failure, one message.
struct ReportedFailure {};

/// The last numbered statement an operation reached; its guard names it in the report. Numbers
/// rise within an operation: `at(10); ...; at(20); ...`.
class Statement {
public:
    void operator()(int line) noexcept { line_ = line; }
    int line() const noexcept { return line_; }

private:
    int line_ = 0;
};

/// Reports failures of guarded operations for one program.
class ErrorReporter {
public:
    ErrorReporter(std::string programTitle, ErrorSink& sink);

    const std::string& programTitle() const noexcept { return programTitle_; }

    /// Shows one error report for a failure under an operation's label, e.g.
    /// "frmMain: Function Load_List".
    void report(const RuntimeError& error, std::string_view label, int line);

    /// Runs an operation's body under its label. A failure inside it is reported and ends the body;
    /// the caller goes on. Returns true when the body ran to its end.
    template <class Body> bool guard(std::string_view label, Body&& body) {
        Statement at;
        try {
            body(at);
            return true;
        } catch (const ReportedFailure&) {
            return false;
        } catch (const RuntimeError& e) {
            report(e, label, at.line());
        } catch (const std::bad_alloc&) {
            report(RuntimeError(vberr::OutOfMemory), label, at.line());
        } catch (const std::exception& e) {
            report(RuntimeError(vberr::InternalError, e.what()), label, at.line());
        }
        return false;
    }

    /// As `guard`, for an operation whose callers cannot go on without its result (a file whose
    /// existence or content is unknown is neither absent nor empty): after its report the failure
    /// ends the guarded caller too, as `ReportedFailure`.
    template <class Body> void guardEssential(std::string_view label, Body&& body) {
        if (!guard(label, std::forward<Body>(body))) {
            throw ReportedFailure{};
        }
    }

private:
    std::string programTitle_;
    ErrorSink& sink_;
};

} // namespace corvane

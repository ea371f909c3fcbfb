#include "common/ErrorReport.h"

#include "tests/support/RecordingErrorSink.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using RecordingSink = test::RecordingErrorSink;

TEST(ErrorReport, TextHasFourCrSeparatedLines) {
    EXPECT_EQ(errorReportText(RuntimeError(vberr::TypeMismatch), "frmMain: Function Load_List", 30),
              "Error 13: 'Type mismatch'\rin frmMain: Function Load_List - Line # 30\r\r"
              "Please send this error message to support@corvane.com");
    EXPECT_EQ(errorReportTitle("Corvane Edit Mode"), "Corvane Edit Mode error");
}

TEST(ErrorReporter, GuardReportsTheLastStatementReachedAndLeavesTheBody) {
    RecordingSink sink;
    ErrorReporter errors("Corvane", sink);
    bool reachedAfterFailure = false;
    const bool completed = errors.guard("Form1: Sub cmdSave_Click", [&](Statement& at) {
        at(10);
        at(20);
        throw RuntimeError(vberr::PathNotFound);
        reachedAfterFailure = true;
    });
    EXPECT_FALSE(completed);
    EXPECT_FALSE(reachedAfterFailure);
    ASSERT_EQ(sink.shown.size(), 1U);
    EXPECT_EQ(sink.shown[0].title, "Corvane error");
    EXPECT_EQ(sink.shown[0].text, "Error 76: 'Path not found'\rin Form1: Sub cmdSave_Click - Line # 20\r\r"
                                  "Please send this error message to support@corvane.com");
}

TEST(ErrorReporter, GuardThatCompletesReportsNothing) {
    RecordingSink sink;
    ErrorReporter errors("Corvane", sink);
    EXPECT_TRUE(errors.guard("Module1: Sub Main", [](Statement& at) { at(1); }));
    EXPECT_TRUE(sink.shown.empty());
}

TEST(ErrorReporter, ForeignExceptionsBecomeVbErrors) {
    RecordingSink sink;
    ErrorReporter errors("Corvane", sink);
    errors.guard("Module1: Sub Main", [](Statement&) { throw std::bad_alloc(); });
    ASSERT_EQ(sink.shown.size(), 1U);
    EXPECT_EQ(sink.shown[0].text.substr(0, 25), "Error 7: 'Out of memory'\r");
}

TEST(ErrorReporter, AnEssentialFailureIsReportedOnceAndEndsItsGuardedCallerQuietly) {
    test::RecordingErrorSink sink;
    ErrorReporter errors("Corvane", sink);
    bool callerWentOn = false;
    const bool callerCompleted = errors.guard("frmMain: Function IsUserAuthorized", [&](Statement& at) {
        at(10);
        errors.guardEssential("Module1: Function FileExists", [](Statement& inner) {
            inner(10);
            throw RuntimeError(vberr::PathFileAccessError);
        });
        callerWentOn = true;
    });
    EXPECT_FALSE(callerCompleted);
    EXPECT_FALSE(callerWentOn);
    EXPECT_EQ(sink.headlines(), std::vector<std::string>{
                                    "Error 75: 'Path/File access error'\rin Module1: Function FileExists - Line # 10"});
}

} // namespace
} // namespace corvane

#include "forms/MsgBoxErrorSink.h"

#include "tests/forms/TestSession.h"

namespace corvane::forms::test {
namespace {

TEST(MsgBoxErrorSink, ShowsTheErrorReportExactlyWithOkOnlyAndNoIcon) {
    TestSession session;
    ErrorReporter reporter("Corvane Edit Mode", session.errorSink);
    std::string expected =
        "Error 53: 'File not found'\rin frmMain: Function Load_List - Line # 20\r\r" + std::string(kSupportRequest);
    session.msgBox.expect(expected);

    reporter.guard("frmMain: Function Load_List", [](Statement& at) {
        at(10);
        at(20);
        throw RuntimeError(vberr::FileNotFound);
    });

    ASSERT_EQ(session.msgBox.shown().size(), 1U);
    const MsgBoxRequest& box = session.msgBox.shown()[0];
    EXPECT_EQ(box.title, "Corvane Edit Mode error");
    EXPECT_EQ(box.style.buttons, MsgBoxButtons::OkOnly);
    EXPECT_EQ(box.style.icon, MsgBoxIcon::None);
    EXPECT_FALSE(box.style.defaultButton2);
}

} // namespace
} // namespace corvane::forms::test

#include "forms/headless/ScriptedMsgBox.h"

#include "tests/forms/TestSession.h"

namespace corvane::forms::test {
namespace {

using headless::FailureReporter;
using headless::ScriptedMsgBox;

MsgBoxRequest box(std::string text, MsgBoxStyle style = {}) {
    return {std::move(text), "Corvane", style};
}

TEST(ScriptedMsgBox, AnswersExpectedBoxesInOrderAndRecordsThem) {
    FailureReporter failures;
    std::vector<std::string> reported;
    failures.setHandler([&](const std::string& m) { reported.push_back(m); });
    ScriptedMsgBox msgBox(failures);
    int whileShown = 0;
    msgBox.expect("Save?", vbNo, [&] { ++whileShown; });
    msgBox.expect("Done");

    EXPECT_EQ(msgBox.show(box("Save?", {.buttons = MsgBoxButtons::YesNo})), vbNo);
    EXPECT_EQ(msgBox.show(box("Done")), vbOK);

    EXPECT_EQ(whileShown, 1);
    EXPECT_EQ(msgBox.shown().size(), 2U);
    EXPECT_EQ(msgBox.pending(), 0U);
    EXPECT_TRUE(reported.empty());
}

TEST(ScriptedMsgBox, AnUnexpectedBoxFailsWithItsTextAndTitle) {
    FailureReporter failures;
    std::vector<std::string> reported;
    failures.setHandler([&](const std::string& m) { reported.push_back(m); });
    ScriptedMsgBox msgBox(failures);

    int answer = msgBox.show(box("Delete?", {.buttons = MsgBoxButtons::YesNo, .defaultButton2 = true}));

    EXPECT_EQ(answer, vbNo);
    EXPECT_EQ(reported, (std::vector<std::string>{"Unexpected message box titled \"Corvane\" saying \"Delete?\""}));
}

TEST(ScriptedMsgBox, AnotherTextOrAnImpossibleAnswerOrABoxNeverShownFails) {
    FailureReporter failures;
    std::vector<std::string> reported;
    failures.setHandler([&](const std::string& m) { reported.push_back(m); });
    ScriptedMsgBox msgBox(failures);
    msgBox.expect("One");
    msgBox.expect("Two", vbYes);
    msgBox.expect("Three");

    msgBox.show(box("Uno"));
    EXPECT_EQ(msgBox.show(box("Two")), vbOK);
    msgBox.verifyDone();

    ASSERT_EQ(reported.size(), 3U);
    EXPECT_EQ(reported[0],
              "Expected a message box saying \"One\" but got a message box titled \"Corvane\" saying \"Uno\"");
    EXPECT_EQ(reported[2], "Expected a message box saying \"Three\" that was never shown");
}

} // namespace
} // namespace corvane::forms::test

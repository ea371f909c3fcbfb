#include "forms/RichTextBox.h"
#include "forms/TextBox.h"

#include "tests/forms/TestSession.h"

namespace corvane::forms::test {
namespace {

class TextControlTest : public ::testing::Test {
protected:
    TextControlTest() {
        txtNewValue.Change = [this] { changes.push_back(txtNewValue.Text()); };
        form.Show();
    }

    TestSession session;
    RecordingForm form{session.runtime, "frmMain"};
    TextBox txtNewValue{form, {.name = "txtNewValue"}};
    std::vector<std::string> changes;
};

TEST_F(TextControlTest, SettingADifferentTextFiresChange) {
    txtNewValue.setText("abc");
    txtNewValue.setText("abc");
    txtNewValue.setText("");

    EXPECT_EQ(changes, (std::vector<std::string>{"abc", ""}));
}

TEST_F(TextControlTest, KeyPressComesBeforeTheChangeAndZeroDiscardsTheKey) {
    std::vector<std::string> seen;
    txtNewValue.KeyPress = [&](int16_t& key) {
        seen.push_back(txtNewValue.Text());
        if (key == 'x') {
            key = 0;
        }
    };

    session.user.type(txtNewValue, "axb");

    EXPECT_EQ(seen, (std::vector<std::string>{"", "a", "a"}));
    EXPECT_EQ(txtNewValue.Text(), "ab");
    EXPECT_EQ(changes, (std::vector<std::string>{"a", "ab"}));
}

TEST_F(TextControlTest, TypingReplacesTheSelectionAndBackspaceDeletes) {
    txtNewValue.setText("Hello");
    txtNewValue.setSelStart(1);
    txtNewValue.setSelLength(3);
    EXPECT_EQ(txtNewValue.SelText(), "ell");

    session.user.type(txtNewValue, "ip");
    EXPECT_EQ(txtNewValue.Text(), "Hipo");
    EXPECT_EQ(txtNewValue.SelStart(), 3);

    session.user.pressKey(txtNewValue, 8);
    EXPECT_EQ(txtNewValue.Text(), "Hio");
    txtNewValue.setSelStart(0);
    session.user.pressKey(txtNewValue, 8);
    EXPECT_EQ(txtNewValue.Text(), "Hio");
}

TEST_F(TextControlTest, SelectionIsClampedToTheText) {
    txtNewValue.setText("abc");
    txtNewValue.setSelStart(10);
    EXPECT_EQ(txtNewValue.SelStart(), 3);
    txtNewValue.setSelStart(1);
    txtNewValue.setSelLength(10);
    EXPECT_EQ(txtNewValue.SelLength(), 2);
    txtNewValue.setText("xyz");
    EXPECT_EQ(txtNewValue.SelStart(), 0);
    EXPECT_EQ(txtNewValue.SelLength(), 0);
}

TEST_F(TextControlTest, EnterStartsALineOnlyInARichTextBox) {
    RichTextBox rtfData(form, {.name = "rtfData"});
    session.user.type(rtfData, "a\rb");
    session.user.type(txtNewValue, "a\rb");

    EXPECT_EQ(rtfData.Text(), "a\nb");
    EXPECT_EQ(txtNewValue.Text(), "ab");
}

} // namespace
} // namespace corvane::forms::test

#include "forms/Form.h"

#include "forms/CommandButton.h"
#include "forms/TextBox.h"
#include "tests/forms/TestSession.h"

namespace corvane::forms::test {
namespace {

using Events = std::vector<std::string>;

TEST(Form, ShowLoadsThenActivatesAndUnloadEndsTheProgram) {
    TestSession session;
    RecordingForm form(session.runtime, "Form1");

    form.Show();
    form.Show();
    EXPECT_EQ(form.events, (Events{"Load", "Activate"}));
    EXPECT_TRUE(form.Visible());

    form.Unload();
    EXPECT_EQ(form.events, (Events{"Load", "Activate", "Unload"}));
    EXPECT_FALSE(form.Loaded());
    EXPECT_FALSE(form.Visible());
    EXPECT_TRUE(session.backend.programHasEnded());
}

TEST(Form, ACentredFormAppearsInTheMiddleOfTheScreenWhenLoaded) {
    TestSession session;
    Form dialog(session.runtime, {.name = "frmAbout",
                                  .left = 15,
                                  .top = 15,
                                  .width = 6000,
                                  .height = 3600,
                                  .startUpPosition = StartUpPosition::CenterScreen});
    EXPECT_EQ(dialog.Left(), 15);

    dialog.Show();
    EXPECT_EQ(dialog.Left(), (session.screen.Width() - 6000) / 2);
    EXPECT_EQ(dialog.Top(), (session.screen.Height() - 3600) / 2);
}

TEST(Form, CancelledUnloadKeepsTheFormLoaded) {
    TestSession session;
    RecordingForm form(session.runtime, "Form1");
    form.cancelUnload = 1;
    form.Show();

    session.user.close(form);

    EXPECT_TRUE(form.Loaded());
    EXPECT_TRUE(form.Visible());
    EXPECT_FALSE(session.backend.programHasEnded());
}

class SelfUnloadingForm : public RecordingForm {
public:
    using RecordingForm::RecordingForm;

protected:
    void Form_Load() override {
        RecordingForm::Form_Load();
        Unload();
    }
};

TEST(Form, AFormThatUnloadsItselfWhileLoadingIsNeverShown) {
    TestSession session;
    SelfUnloadingForm form(session.runtime, "Form1");

    form.Show();

    EXPECT_EQ(form.events, (Events{"Load", "Unload"}));
    EXPECT_FALSE(form.Visible());
    EXPECT_TRUE(session.backend.programHasEnded());
}

TEST(Form, ModalShowReturnsOnceTheScriptClosesTheForm) {
    TestSession session;
    RecordingForm main(session.runtime, "frmMain");
    RecordingForm dialog(session.runtime, "frmAdd");
    main.Show();
    Events order;
    session.onModal("frmAdd", [&](Form& shown) {
        order.push_back(shown.Modal() ? "modal" : "modeless");
        shown.Hide();
    });

    dialog.Show(true);
    order.push_back("returned");

    EXPECT_EQ(order, (Events{"modal", "returned"}));
    EXPECT_TRUE(dialog.Loaded());
    EXPECT_FALSE(dialog.Modal());
    expectVbError(400, [&] { main.Show(true); });
}

TEST(Form, AModalFormNobodyScriptedFailsAndIsUnloaded) {
    QuietSession session;
    RecordingForm main(session.runtime, "Form1");
    RecordingForm dialog(session.runtime, "frmAbout");
    main.Show();

    dialog.Show(true);

    EXPECT_FALSE(dialog.Loaded());
    ASSERT_EQ(session.failures.failures().size(), 1U);
    EXPECT_EQ(session.failures.failures()[0], "Form frmAbout was shown modally with nothing scripted; it was unloaded");
}

TEST(Form, AModalFormLeftOpenByItsScriptFailsAndIsUnloaded) {
    QuietSession session;
    RecordingForm main(session.runtime, "frmMain");
    RecordingForm dialog(session.runtime, "frmAdd");
    main.Show();
    session.onModal("frmAdd", [](Form&) {});

    dialog.Show(true);

    EXPECT_FALSE(dialog.Loaded());
    EXPECT_EQ(session.failures.failures().size(), 1U);
}

class DialogForm : public RecordingForm {
public:
    explicit DialogForm(Runtime& runtime) : RecordingForm(runtime, "frmLocations") {
        cmdClose.Click = [this] { events.push_back("OK"); };
        cmdCancel.Click = [this] { events.push_back("Cancel"); };
        txtFolder.KeyPress = [this](int16_t& key) { events.push_back("KeyPress " + std::to_string(key)); };
    }

    CommandButton cmdClose{*this, {.name = "cmdClose"}, {.caption = "&OK", .isDefault = true}};
    CommandButton cmdCancel{*this, {.name = "cmdCancel"}, {.caption = "&Cancel", .isCancel = true}};
    TextBox txtFolder{*this, {.name = "txtFolder"}};
};

TEST(Form, EnterPressesTheDefaultButtonAndEscapeTheCancelButton) {
    TestSession session;
    DialogForm form(session.runtime);
    form.Show();
    form.events.clear();

    session.user.pressKey(form.txtFolder, 13);
    session.user.pressKey(form.txtFolder, 27);
    form.cmdClose.setEnabled(false);
    session.user.pressKey(form.txtFolder, 13);

    EXPECT_EQ(form.events, (Events{"OK", "Cancel", "KeyPress 13"}));
}

TEST(Form, FocusMovesFireGotFocusAndHiddenControlsCannotTakeIt) {
    TestSession session;
    DialogForm form(session.runtime);
    int gotFocus = 0;
    form.txtFolder.GotFocus = [&] { ++gotFocus; };
    form.Show();

    form.txtFolder.SetFocus();
    form.txtFolder.SetFocus();
    session.user.click(form.cmdClose);
    form.cmdClose.setVisible(false);

    EXPECT_EQ(gotFocus, 1);
    EXPECT_EQ(form.ActiveControl(), nullptr);
    expectVbError(vberr::InvalidProcedureCall, [&] { form.cmdClose.SetFocus(); });
}

} // namespace
} // namespace corvane::forms::test

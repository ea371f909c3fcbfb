#include "forms/SendKeysNotation.h"
#include "forms/TimerControl.h"
#include "platform/win32/files/ModulePath.h"
#include "platform/win32/ui/WindowText.h"
#include "tests/support/TempDir.h"
#include "tests/win32forms/Cue.h"
#include "tests/win32forms/MessageLoop.h"
#include "tests/win32forms/NativeDialog.h"
#include "tests/win32forms/ProgramOnWin32.h"
#include "tests/win32forms/RealInput.h"
#include "tests/win32forms/SampleDialog.h"

#include <dlgs.h>
#include <gtest/gtest.h>

namespace corvane::forms::win32::test {
namespace {

using Names = std::vector<std::string>;

/// Shows a message box as an event handler of the program does; 0 when the program ended meanwhile.
int ask(Win32Session& session, std::string_view text, MsgBoxStyle style, std::string_view title = {}) {
    int answer = 0;
    session.runtime.dispatch([&] { answer = session.runtime.MsgBox(text, style, title); });
    return answer;
}

/// The push button of an open dialog with that caption, or null.
HWND buttonOf(HWND dialog, const std::string& caption) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (windowText(child) == caption) {
            return child;
        }
    }
    return nullptr;
}

TEST(Win32MsgBox, MapsButtonsIconAndDefaultButtonAndBreaksLinesAsWindowsDoes) {
    EXPECT_EQ(Win32MsgBox::flagsOf({}), UINT{MB_OK});
    EXPECT_EQ(
        Win32MsgBox::flagsOf({.buttons = MsgBoxButtons::YesNo, .icon = MsgBoxIcon::Question, .defaultButton2 = true}),
        UINT{MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2});
    EXPECT_EQ(Win32MsgBox::flagsOf({.icon = MsgBoxIcon::Critical}), UINT{MB_ICONSTOP});
    EXPECT_EQ(Win32MsgBox::flagsOf({.icon = MsgBoxIcon::Exclamation}), UINT{MB_ICONEXCLAMATION});
    EXPECT_EQ(Win32MsgBox::flagsOf({.icon = MsgBoxIcon::Information}), UINT{MB_ICONINFORMATION});
    EXPECT_EQ(Win32MsgBox::displayText("one\rtwo\nthree\r\nfour\r"), "one\r\ntwo\r\nthree\r\nfour\r\n");
}

TEST(Win32MsgBox, ShowsTitleIconButtonsAndLinesAsAsked) {
    Win32Session session(testFacts());
    Names texts;
    Names buttons;
    std::string title;
    bool icon = false;
    Cue shown([] { return NativeDialog::open() != nullptr; },
              [&] {
                  HWND box = NativeDialog::open();
                  texts = NativeDialog::texts(box);
                  buttons = NativeDialog::buttons(box);
                  title = windowText(box);
                  icon = NativeDialog::showsIcon(box);
                  RealInput::press(VK_RETURN);
              },
              endOf(session));

    const Cue deadline = Cue::deadline(endOf(session), 3 * kPatience);
    const int answer = ask(session, "Save changes to \x93Phone\x94?\rLine 2\r\nLine 3",
                           {.buttons = MsgBoxButtons::YesNo, .icon = MsgBoxIcon::Question, .defaultButton2 = true});

    EXPECT_EQ(answer, vbNo); // Enter takes the default button, the second one
    EXPECT_EQ(texts, Names{"Save changes to \x93Phone\x94?\r\nLine 2\r\nLine 3"});
    EXPECT_EQ(title, "Corvane Test");
    EXPECT_EQ(buttons, (Names{"&Yes", "&No"}));
    EXPECT_TRUE(icon);

    Cue clicked([] { return NativeDialog::open() != nullptr; },
                [&] { RealInput::click(buttonOf(NativeDialog::open(), "&Yes")); }, endOf(session));
    EXPECT_EQ(ask(session, "Save?", {.buttons = MsgBoxButtons::YesNo, .defaultButton2 = true}), vbYes);
}

TEST(Win32MsgBox, EnterTakesTheDefaultAndTimersTickBehindTheBox) {
    Win32Session session(testFacts());
    SampleDialog form(session.runtime);
    TimerControl tmr1{form, {.name = "tmr1"}};
    int ticks = 0;
    tmr1.Timer = [&] { ++ticks; };
    form.Show();
    tmr1.setInterval(10);
    Names buttons;
    Cue ticked([&] { return NativeDialog::open() != nullptr && ticks >= 3; },
               [&] {
                   buttons = NativeDialog::buttons(NativeDialog::open());
                   RealInput::press(VK_RETURN);
               },
               endOf(session));

    const Cue deadline = Cue::deadline(endOf(session));
    const int answer = ask(session, "Done", {.icon = MsgBoxIcon::Information}, "Corvane error");

    EXPECT_TRUE(ticked.fired());
    EXPECT_EQ(answer, vbOK);
    EXPECT_EQ(buttons, Names{"OK"});
}

TEST(Win32MsgBox, AProgramEndingBehindTheBoxClosesItAndNothingAfterTheWaitRuns) {
    Win32Session session(testFacts());
    // Loaded but not shown, as the trigger's form is while it starts: the box belongs to no window,
    // so no window of the program takes it along when it goes.
    SampleDialog form(session.runtime);
    form.Load();
    Cue shown([] { return NativeDialog::open() != nullptr; },
              [&] { form.Unload(); }, // the program's last form: the program ends
              endOf(session));
    // Only when the program's end leaves the box open does the test close it.
    bool closedByTheTest = false;
    Cue closed([&] { return shown.fired() && NativeDialog::open() == nullptr; }, [] {},
               [&] {
                   closedByTheTest = true;
                   EndDialog(NativeDialog::open(), IDNO);
               });
    bool wentOn = false;
    session.runtime.dispatch([&] {
        session.runtime.MsgBox("Do you want to save?", {.buttons = MsgBoxButtons::YesNo});
        wentOn = true;
    });

    EXPECT_TRUE(shown.fired());
    EXPECT_TRUE(session.runtime.ended());
    EXPECT_FALSE(closedByTheTest);
    EXPECT_FALSE(wentOn);
    EXPECT_EQ(NativeDialog::open(), nullptr);
}

TEST(Win32Backend, AModalFormClosesWhenTheProgramEnds) {
    Win32Session session(testFacts());
    SampleDialog owner(session.runtime, "frmOwner");
    owner.Show();
    SampleDialog dialog(session.runtime, "frmDialog");
    HWND dialogWindow = nullptr;
    bool closedByTheTest = false;
    Cue shown([&] { return session.backend.formOf(GetActiveWindow()) == &dialog; },
              [&] {
                  dialogWindow = GetActiveWindow();
                  session.runtime.End();
              },
              [&] {
                  closedByTheTest = true;
                  dialog.Unload();
              });
    const Cue deadline = Cue::deadline([&] {
        closedByTheTest = true;
        dialog.Unload();
    });
    bool wentOn = false;
    session.runtime.dispatch([&] {
        dialog.Show(true);
        wentOn = true;
    });

    EXPECT_TRUE(shown.fired());
    EXPECT_FALSE(closedByTheTest);
    EXPECT_FALSE(wentOn);
    EXPECT_FALSE(dialog.Loaded());
    EXPECT_FALSE(owner.Loaded());
    EXPECT_TRUE(session.backend.programHasEnded());
    EXPECT_FALSE(IsWindow(dialogWindow) != FALSE && IsWindowVisible(dialogWindow) != FALSE);
}

TEST(Win32Backend, TheOwnerIsActiveAgainWhenAModalFormCloses) {
    Win32Session session(testFacts());
    SampleDialog owner(session.runtime, "frmOwner");
    owner.Show();
    SampleDialog dialog(session.runtime, "frmDialog");
    Cue shown([&] { return session.backend.formOf(GetActiveWindow()) == &dialog; },
              [&] { RealInput::press(VK_ESCAPE); }, // Cancel unloads the dialog
              [&] { dialog.Unload(); });
    const Cue deadline = Cue::deadline([&] { dialog.Unload(); });
    session.runtime.dispatch([&] { dialog.Show(true); });

    EXPECT_TRUE(shown.fired());
    FormWindow* ownerWindow = session.backend.windowOf(owner);
    ASSERT_NE(ownerWindow, nullptr);
    EXPECT_TRUE(pumpUntil([&] { return GetActiveWindow() == ownerWindow->window(); }));
    EXPECT_NE(IsWindowEnabled(ownerWindow->window()), FALSE);
}

TEST(Win32FileDialog, TurnsTheFilterIntoPairsEndingInTwoNuls) {
    using namespace std::string_literals;
    EXPECT_EQ(Win32FileDialog::filterOf("Data file (*.dat)|*.dat"), "Data file (*.dat)\0*.dat\0\0"s);
    EXPECT_EQ(Win32FileDialog::filterOf("Settings|*.txt;*.ini|All files (*.*)|*.*"),
              "Settings\0*.txt;*.ini\0All files (*.*)\0*.*\0\0"s);
}

TEST(Win32FileDialog, ShowsTheFilterAndReturnsTheChosenFileOrNothing) {
    corvane::test::TempDir folder;
    corvane::test::writeBytes(folder.path() / "Users.dat", "[Sales]\r\n");
    Win32Session session(testFacts());
    std::string filter;
    Cue choose([] { return NativeDialog::open() != nullptr; },
               [&] {
                   HWND dialog = NativeDialog::open();
                   filter = windowText(GetDlgItem(dialog, cmb1));
                   SendMessageA(dialog, CDM_SETCONTROLTEXT, cmb13, reinterpret_cast<LPARAM>("Users.dat"));
                   PostMessageA(dialog, WM_COMMAND, IDOK, 0);
               },
               endOf(session));
    const Cue deadline = Cue::deadline(endOf(session), 3 * kPatience);
    const auto chosen = session.fileDialog.showOpen(
        {.initDir = folder.path().string(), .fileName = "", .filter = "Data file (*.dat)|*.dat"});
    EXPECT_EQ(filter, "Data file (*.dat)");
    EXPECT_EQ(chosen, folder.file("Users.dat"));

    Cue cancel([] { return NativeDialog::open() != nullptr; }, [] { RealInput::press(VK_ESCAPE); }, endOf(session));
    EXPECT_EQ(session.fileDialog.showOpen({.initDir = folder.path().string()}), std::nullopt);
    EXPECT_TRUE(cancel.fired());
}

TEST(Win32SaveFileDialog, ReturnsTheNewFileOrNothing) {
    corvane::test::TempDir folder;
    Win32Session session(testFacts());
    std::string filter;
    Cue choose([] { return NativeDialog::open() != nullptr; },
               [&] {
                   HWND dialog = NativeDialog::open();
                   filter = windowText(GetDlgItem(dialog, cmb1));
                   SendMessageA(dialog, CDM_SETCONTROLTEXT, cmb13, reinterpret_cast<LPARAM>("History.csv"));
                   PostMessageA(dialog, WM_COMMAND, IDOK, 0);
               },
               endOf(session));
    const Cue deadline = Cue::deadline(endOf(session), 3 * kPatience);
    const auto chosen = session.saveFileDialog.showSave(
        {.initDir = folder.path().string(), .fileName = "Sales.csv", .filter = "CSV file (*.csv)|*.csv"});
    EXPECT_EQ(filter, "CSV file (*.csv)");
    EXPECT_EQ(chosen, folder.file("History.csv"));

    Cue cancel([] { return NativeDialog::open() != nullptr; }, [] { RealInput::press(VK_ESCAPE); }, endOf(session));
    EXPECT_EQ(session.saveFileDialog.showSave({.initDir = folder.path().string()}), std::nullopt);
    EXPECT_TRUE(cancel.fired());
}

TEST(Win32FileDialog, ClosesWhenTheProgramEnds) {
    Win32Session session(testFacts());
    SampleDialog form(session.runtime);
    form.Show();
    Cue shown([] { return NativeDialog::open() != nullptr; }, [&] { form.Unload(); }, endOf(session));
    bool closedByTheTest = false;
    Cue closed([&] { return shown.fired() && NativeDialog::open() == nullptr; }, [] {},
               [&] {
                   closedByTheTest = true;
                   PostMessageA(NativeDialog::open(), WM_COMMAND, IDCANCEL, 0);
               });
    bool wentOn = false;
    session.runtime.dispatch([&] {
        session.runtime.modalWait([&] { return session.fileDialog.showOpen({}); });
        wentOn = true;
    });
    EXPECT_TRUE(shown.fired());
    EXPECT_FALSE(closedByTheTest);
    EXPECT_FALSE(wentOn);
    EXPECT_EQ(NativeDialog::open(), nullptr);
}

/// A key of the inputs: its virtual key (or Unicode character) and whether it goes up.
std::string describe(const INPUT& input) {
    const bool up = (input.ki.dwFlags & KEYEVENTF_KEYUP) != 0;
    const std::string key = (input.ki.dwFlags & KEYEVENTF_UNICODE) != 0 ? "U+" + std::to_string(input.ki.wScan)
                                                                        : "VK " + std::to_string(input.ki.wVk);
    return key + (up ? " up" : " down");
}

Names inputsOf(std::string_view keys) {
    Names described;
    for (const INPUT& input : Win32KeySender::inputsOf(parseSendKeys(keys))) {
        EXPECT_EQ(input.type, DWORD{INPUT_KEYBOARD});
        described.push_back(describe(input));
    }
    return described;
}

TEST(Win32KeySender, TurnsKeystrokesIntoKeysWithTheirModifiersAround) {
    EXPECT_EQ(inputsOf("{ENTER}"), (Names{"VK 13 down", "VK 13 up"}));
    EXPECT_EQ(inputsOf("{TAB}"), (Names{"VK 9 down", "VK 9 up"}));
    // Shift and a letter make the capital, as the keyboard's Shift and A keys do.
    EXPECT_EQ(inputsOf("+a"), (Names{"VK 16 down", "VK 65 down", "VK 65 up", "VK 16 up"}));
    EXPECT_EQ(inputsOf("\xE9"), (Names{"U+233 down", "U+233 up"}));
}

TEST(Win32KeySender, TypesIntoTheFocusedControlOfTheWindowInFront) {
    Win32Session session(testFacts());
    SampleDialog form(session.runtime);
    form.Show();
    ASSERT_TRUE(pumpUntil([&] { return session.backend.formOf(GetForegroundWindow()) == &form; }));
    form.txtValue.SetFocus();
    session.keys.SendKeys("h+i\xE9~", true);
    EXPECT_TRUE(pumpUntil([&] { return !form.events.empty() && form.events.back() == "cmdOK_Click"; }));
    EXPECT_EQ(form.txtValue.Text(), "hI\xE9");
}

TEST(Win32App, KnowsTheProgramsFileAndWhetherAnotherCopyRuns) {
    const std::string module = corvane::win32::modulePath();
    {
        Win32App first(testFacts("Corvane"));
        EXPECT_EQ(first.EXEName(), "win32_forms_tests");
        EXPECT_EQ(first.Path() + "\\" + first.EXEName() + ".exe", module);
        EXPECT_EQ(first.Title(), "Corvane");
        EXPECT_EQ(first.Revision(), 4);
        EXPECT_FALSE(first.PrevInstance());
        Win32App second(testFacts("Corvane"));
        EXPECT_TRUE(second.PrevInstance());
    }
    Win32App again(testFacts("Corvane"));
    EXPECT_FALSE(again.PrevInstance());
    EXPECT_EQ(Win32App::instanceMutexName("CorvaneEditMode"), Win32App::instanceMutexName("corvaneeditmode"));
    EXPECT_NE(Win32App::instanceMutexName("Corvane"), Win32App::instanceMutexName("CorvaneEditMode"));
}

TEST(Win32Screen, MeasuresTheScreenInTwipsAt96DotsPerInch) {
    Win32Session session(testFacts());
    EXPECT_EQ(session.screen.TwipsPerPixelX(), 15);
    EXPECT_EQ(session.screen.TwipsPerPixelY(), 15);
    EXPECT_EQ(session.screen.Width(), GetSystemMetrics(SM_CXSCREEN) * 15);
    EXPECT_EQ(session.screen.Height(), GetSystemMetrics(SM_CYSCREEN) * 15);
    EXPECT_EQ(session.screen.GetSystemMetrics(SM_CXDLGFRAME), 3);
}

} // namespace
} // namespace corvane::forms::win32::test

// Every member the programs call, through their own COM client, against what actsim's engine holds.
#include "tests/win32actsim/RunningActsim.h"

#include "platform/win32/com/ComActFactory.h"
#include "platform/win32/com/ComText.h"
#include "platform/win32/com/DispatchObject.h"
#include "sim/win32/actsim/ActsimWindow.h"
#include "tests/support/TempDir.h"
#include "tests/support/VbErrorOf.h"
#include "tests/win32actsim/Pump.h"

#include <gtest/gtest.h>

#include <memory>

namespace corvane::test {
namespace {

// Windows-1252 letters that UTF-16 holds elsewhere: é, ü, €, „, “, ”, –.
const std::string kAnsiText = "Caf\xE9 M\xFCller \x80 \x84quoted\x93\x94 \x96 end";

class ActsimAutomation : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = std::make_unique<TempDir>();
        actsim_ = std::make_unique<RunningActsim>(RunningActsim::builtProgram(), folder_->file("Sales.dbf"));
    }
    static void TearDownTestSuite() {
        actsim_.reset();
        folder_.reset();
    }
    void SetUp() override { ASSERT_TRUE(actsim_->ready()); }

    sim::Engine& engine() { return actsim_->engine(); }
    std::shared_ptr<act::Application> application() {
        auto application = act::CreateObjectAs<act::Application>(factory_, act::kAppObjectClass);
        application->OpenFile("");
        return application;
    }
    std::shared_ptr<act::Database> database() {
        auto database = act::CreateObjectAs<act::Database>(factory_, act::kDatabaseClass);
        database->OpenEx("");
        return database;
    }

    static inline std::unique_ptr<TempDir> folder_;
    static inline std::unique_ptr<RunningActsim> actsim_;
    win32::com::ComActFactory factory_;
};

TEST_F(ActsimAutomation, TheApplicationReportsActsimsDatabaseUserAndCommands) {
    const auto app = application();
    EXPECT_EQ(app->GetOpenDBName(), folder_->file("Sales.dbf"));
    engine().state().setLoggedInUser(2);
    EXPECT_EQ(app->GetUserID(), "P3R8T4V6");
    engine().state().setLoggedInUser(1);
    EXPECT_EQ(app->GetUserID(), "K7Q2M9X1");
    app->Command(104);
    EXPECT_EQ(engine().commands().all().back(), 104);

    const auto other = act::CreateObjectAs<act::Application>(factory_, act::kAppObjectClass);
    // ACT!'s own description of a failure reaches the caller with its number.
    try {
        other->Views();
        ADD_FAILURE() << "an object not attached to the database must fail";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), vberr::AutomationError);
        EXPECT_EQ(error.description(), "The object is not attached to a database");
    }
    EXPECT_EQ(vbErrorOf([&] { other->OpenFile("C:\\elsewhere\\Other.dbf"); }), vberr::FileNotFound);
}

TEST_F(ActsimAutomation, ViewsReadAndWriteTheCurrentContactInWindows1252) {
    const auto views = application()->Views();
    engine().state().setActiveViewType(1);
    EXPECT_EQ(views->GetActive()->Type(), 1);
    const auto contactView = views->Create(1, "CV");
    engine().state().setFocusField(15);
    EXPECT_EQ(contactView->CurrentFieldID(), 15);
    EXPECT_EQ(contactView->GetField(15), engine().contacts().value(1, 15));

    contactView->SetField(2, kAnsiText);
    EXPECT_EQ(engine().contacts().value(1, 2), kAnsiText);
    EXPECT_EQ(contactView->GetField(2), kAnsiText);
    // actsim shows what the programs wrote.
    EXPECT_TRUE(waitFor([&] { return RunningActsim::textOf(actsim_->fieldEdit(2)) == kAnsiText; }));

    EXPECT_EQ(vbErrorOf([&] { contactView->GetField(5); }), vberr::InvalidProcedureCall);
    EXPECT_EQ(vbErrorOf([&] { views->Create(7, "CV"); }), vberr::InvalidProcedureCall);
}

TEST_F(ActsimAutomation, TheFieldListIsTheEnginesIndexByIndex) {
    engine().fields().put({13, 21, "R\xE9gion", 3});
    const auto fields = database()->Contact()->Fields();
    EXPECT_EQ(fields->Count(), engine().fields().count());
    for (int16_t index = 0; index <= *engine().fields().lastIndex(); ++index) {
        const auto field = engine().fields().atIndex(index);
        EXPECT_EQ(fields->ID(index), field ? field->number : -1) << index;
        EXPECT_EQ(fields->Label(index), field ? field->label : "") << index;
    }
    EXPECT_EQ(fields->EntryRule("15"), 3);
    EXPECT_EQ(fields->EntryRule(" 2 "), 0);

    try {
        fields->ID(99);
        ADD_FAILURE() << "an index past the list must fail";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), vberr::SubscriptOutOfRange);
        EXPECT_EQ(error.description(), "Subscript out of range");
    }
    EXPECT_EQ(vbErrorOf([&] { fields->EntryRule("fifteen"); }), vberr::TypeMismatch);
    EXPECT_EQ(vbErrorOf([&] { fields->EntryRule("70000"); }), vberr::Overflow);
}

TEST_F(ActsimAutomation, TheUsersAreTheEnginesPositionByPosition) {
    const auto users = database()->Users();
    ASSERT_EQ(users->Count(), engine().users().count());
    for (const sim::UserRecord& user : engine().users().all()) {
        EXPECT_EQ(users->Name(user.position), user.name);
        EXPECT_EQ(users->UniqueID(std::to_string(user.position)), user.uniqueId);
    }
    engine().state().setLoggedInUser(1);
    EXPECT_EQ(users->CurrentUserSecurity(), 5);
    EXPECT_EQ(vbErrorOf([&] { users->Name(7); }), vberr::SubscriptOutOfRange);
}

TEST_F(ActsimAutomation, AuxiliaryCommandsArePlacedInTheEngineAndOnActsimsToolbar) {
    const auto commands = act::CreateObjectAs<act::AuxCommands>(factory_, act::kAuxCommandsClass);
    const std::string name = "Corvane";
    EXPECT_EQ(commands->AuxCommandExists(name), 0);
    EXPECT_EQ(commands->AddAuxCommand(name, "C:\\Corvane\\Corvane.EXE", "C:\\Corvane", "Corvane", "Protected fields",
                                      "", "", 1),
              0);
    EXPECT_EQ(commands->AuxCommandExists(name), 1);
    EXPECT_EQ(engine().auxCommands().find(name)->commandLine, "C:\\Corvane\\Corvane.EXE");

    EXPECT_EQ(commands->AddAuxCommandToToolbar(1, name), 0);
    EXPECT_EQ(commands->AddAuxCommandToToolsMenu(2, name), 0);
    EXPECT_TRUE(engine().auxCommands().isPlaced(sim::AuxPlace::Toolbar, 1, name));
    EXPECT_EQ(commands->AuxCommandExistsInToolbar(1, name), 1);
    EXPECT_EQ(commands->AuxCommandExistsInToolsMenu(2, name), 1);
    EXPECT_EQ(commands->AuxCommandExistsInToolsMenu(1, name), 0);
    engine().state().setActiveViewType(1);
    HWND toolbar = FindWindowExA(actsim_->window(), nullptr, TOOLBARCLASSNAMEA, nullptr);
    EXPECT_TRUE(waitFor([&] { return SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0) == 1; }));

    EXPECT_EQ(commands->RemoveAuxCommandFromToolbar(1, name), 0);
    EXPECT_EQ(commands->AuxCommandExistsInToolbar(1, name), 0);
    EXPECT_TRUE(waitFor([&] { return SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0) == 0; }));
    EXPECT_EQ(commands->AddAuxCommandToToolbar(1, "Undefined"), 1);
    EXPECT_EQ(vbErrorOf([&] { commands->AddAuxCommandToToolbar(9, name); }), vberr::InvalidProcedureCall);
}

TEST_F(ActsimAutomation, TheUserChooserAndTheContactButtonsFollowAndMoveTheEngine) {
    using Window = sim::win32::ActsimWindow;
    const auto app = application();
    HWND users = GetDlgItem(actsim_->window(), Window::kUsers);
    const auto chosenUser = [&] {
        return SendMessageA(users, CB_GETITEMDATA, static_cast<WPARAM>(SendMessageA(users, CB_GETCURSEL, 0, 0)), 0);
    };
    engine().state().setLoggedInUser(3);
    EXPECT_TRUE(waitFor([&] { return chosenUser() == 3; }));

    // The user chooses the fifth user in actsim: ACT! logs that user in.
    SendMessageA(users, CB_SETCURSEL, 4, 0);
    actsim_->notify(Window::kUsers, CBN_SELCHANGE);
    EXPECT_TRUE(waitFor([&] { return engine().state().loggedInUser() == 5; }));
    EXPECT_EQ(app->GetUserID(), "B2C7G3Y5");

    engine().state().setCurrentContact(1);
    actsim_->command(Window::kNext);
    EXPECT_TRUE(waitFor([&] { return engine().state().currentContact() == 2; }));
    EXPECT_EQ(app->Views()->Create(1, "CV")->GetField(2), "Tom Becker");
    actsim_->command(Window::kPrevious);
    actsim_->command(Window::kPrevious);
    EXPECT_TRUE(waitFor([&] { return engine().state().currentContact() == 12; }));
    engine().state().setCurrentContact(1);
    engine().state().setLoggedInUser(1);
}

TEST_F(ActsimAutomation, AMemberNoClassHasIs438) {
    CLSID classId{};
    ASSERT_EQ(CLSIDFromProgID(L"ACTOLE.APPOBJECT", &classId), S_OK);
    win32::com::ComPtr<IDispatch> object;
    ASSERT_EQ(
        CoCreateInstance(classId, nullptr, CLSCTX_LOCAL_SERVER, IID_IDispatch, reinterpret_cast<void**>(object.put())),
        S_OK);
    win32::com::DispatchObject application(std::move(object));
    EXPECT_EQ(vbErrorOf([&] { application.call("GetField", win32::com::Argument::int16ByRef(15)); }),
              vberr::ObjectDoesNotSupportMember);
    EXPECT_EQ(vbErrorOf([&] { application.call("OpenFile"); }), 450);
}

TEST_F(ActsimAutomation, MakingAViewBringsActsimToTheFrontWithItsFieldFocusedAsTheTriggerFindsIt) {
    const auto views = application()->Views();
    views->Create(1, "CV");
    ASSERT_TRUE(pumpUntil([&] { return GetForegroundWindow() == actsim_->window(); }));
    actsim_->enterField(7);
    EXPECT_TRUE(waitFor([&] { return engine().state().focusField() == 7; }));
    EXPECT_EQ(views->GetActive()->CurrentFieldID(), 7);

    // Another window takes the front; making the view brings actsim back.
    HWND other = CreateWindowExA(0, "Static", "other", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr, nullptr,
                                 nullptr);
    SetForegroundWindow(other);
    ASSERT_TRUE(pumpUntil([&] { return GetForegroundWindow() == other; }));
    views->Create(1, "CV");
    EXPECT_TRUE(pumpUntil([&] { return GetForegroundWindow() == actsim_->window(); }));
    DestroyWindow(other);

    // The trigger's way to ACT!'s field: the foreground window's thread, its focus, an "Edit".
    HWND front = GetForegroundWindow();
    const DWORD frontThread = GetWindowThreadProcessId(front, nullptr);
    ASSERT_TRUE(AttachThreadInput(GetCurrentThreadId(), frontThread, TRUE));
    HWND focus = GetFocus();
    char className[64] = {};
    GetClassNameA(focus, className, sizeof className);
    AttachThreadInput(GetCurrentThreadId(), frontThread, FALSE);
    EXPECT_EQ(focus, actsim_->fieldEdit(7));
    EXPECT_STREQ(className, "Edit");
}

} // namespace
} // namespace corvane::test

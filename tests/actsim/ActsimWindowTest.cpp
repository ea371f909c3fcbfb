#include "sim/actsim/ActsimWindow.h"
#include "sim/actsim/ActsimDatabase.h"

#include "common/Paths.h"
#include "tests/support/TempDir.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sys/stat.h>

namespace corvane::sim::actsim {
namespace {

constexpr int64_t kActsim = 4100;

/// actsim's window offscreen on a fresh demo database; a second engine on the same file plays the
/// programs. The program folder holds stand-ins for `CorvaneEditMode` and `Corvane` that note each
/// start, with its arguments, in "<name>.ran".
class ActsimWindowTest : public ::testing::Test {
protected:
    ActsimWindowTest() {
        stub("CorvaneEditMode");
        stub("Corvane");
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    void stub(const std::string& name) {
        const std::string file = dir.file(name);
        test::writeBytes(file, "#!/bin/sh\necho \"[$*]\" >> \"$0.ran\"\n");
        ::chmod(file.c_str(), 0755);
    }

    /// What the stand-in noted, once the detached start has noted a whole line.
    std::string ran(const std::string& name) {
        const std::string note = dir.file(name + ".ran");
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return std::filesystem::exists(note) && test::readBytes(note).ends_with('\n'); }, kPatienceMs));
        return std::filesystem::exists(note) ? test::readBytes(note) : std::string();
    }

    QLineEdit& field(int16_t number) {
        auto* edit = window.findChild<QLineEdit*>(QString("field%1").arg(number));
        EXPECT_NE(edit, nullptr) << number;
        return *edit;
    }

    void enter(int16_t number) {
        field(number).setFocus();
        EXPECT_TRUE(QTest::qWaitFor([&] { return program.state().focusField() == number; }, kPatienceMs));
    }

    /// Lets actsim's poll run until `shown` holds (bounded).
    static void pollUntil(const std::function<bool()>& shown) { EXPECT_TRUE(QTest::qWaitFor(shown, kPatienceMs)); }

    static constexpr int kPatienceMs = 10000;

    test::TempDir dir;
    const std::string database = dir.file("Sales.dbf");
    std::unique_ptr<Engine> engine = openActsimDatabase(database);
    Engine program{database};
    ActsimWindow window{*engine, kActsim, QString::fromStdString(dir.path().string())};
};

TEST_F(ActsimWindowTest, EnteringAProtectedFieldTellsTheDesktopAndStartsTheTrigger) {
    enter(7);
    EXPECT_EQ(program.state().focusField(), 7);
    enter(15);
    EXPECT_EQ(program.state().focusField(), 15);
    const auto focus = program.desktop().actFocus();
    ASSERT_TRUE(focus);
    EXPECT_EQ(focus->className, "Edit");
    EXPECT_EQ(focus->owner, kActsim);
    EXPECT_EQ(focus->rect.right - focus->rect.left, field(15).width());
    EXPECT_EQ(focus->rect.bottom - focus->rect.top, field(15).height());
    EXPECT_EQ(program.desktop().foreground().window, program.desktop().actWindow()->handle);
    EXPECT_EQ(program.desktop().foreground().owner, kActsim);
    EXPECT_EQ(ran("CorvaneEditMode"), "[]\n") << "started once, with nothing on its command line";
    EXPECT_TRUE(field(15).isReadOnly());
}

TEST_F(ActsimWindowTest, ChangesByOtherProgramsShowAndKeystrokesTypeAndMoveOn) {
    enter(7);
    program.desktop().sendToForeground("x\x80y\b");
    pollUntil([&] { return field(7).text() == QString::fromUtf8("Seattlex\u20AC"); });
    EXPECT_EQ(program.contacts().value(1, 7), "Seattlex\x80") << "text stays Windows-1252 in the database";
    EXPECT_EQ(field(7).text(), QString::fromUtf8("Seattlex\u20AC"));

    program.contacts().setValue(1, 15, "Written");
    program.state().setLoggedInUser(6);
    program.desktop().sendToForeground("\t");
    pollUntil([&] { return program.state().focusField() == 8 && field(15).text() == "Written"; });
    EXPECT_EQ(field(15).text(), "Written");
    EXPECT_EQ(window.findChild<QComboBox*>()->currentText(), "Lee Brennan");
    EXPECT_EQ(program.state().focusField(), 8) << "Tab moves on to the next field, as Enter does";
}

TEST_F(ActsimWindowTest, KeysTheUserPressesAreNotedForTheKeyboardHooks) {
    enter(7);
    const int64_t before = program.desktop().lastKeyPressed();
    QTest::keyClick(&field(7), Qt::Key_Q);
    QTest::keyClick(&field(7), Qt::Key_Escape);
    QTest::keyClick(&field(7), Qt::Key_Tab);
    std::string noted;
    for (const PressedKey& key : program.desktop().keysPressedAfter(before)) {
        noted.push_back(key.keystroke);
    }
    EXPECT_EQ(noted, "q\x1B\t");
}

TEST_F(ActsimWindowTest, PlacedCommandsShowPerViewAndStartTheirProgram) {
    program.auxCommands().define({"Corvane", "/opt/CORVANE.EXE", "/opt", "Corvane", "", "", "", 1});
    program.auxCommands().define({"Other", "/opt/OTHER.EXE", "/opt", "Other", "", "", "", 1});
    program.auxCommands().setPlaced(AuxPlace::Toolbar, 2, "Corvane", true);
    program.auxCommands().setPlaced(AuxPlace::Toolbar, 1, "Other", true);
    auto* toolbar = window.findChild<QToolBar*>();
    ASSERT_NE(toolbar, nullptr);
    pollUntil([&] { return !toolbar->actions().isEmpty(); });
    ASSERT_EQ(toolbar->actions().size(), 1) << "placed in view 2 only";
    EXPECT_EQ(toolbar->actions().front()->text(), "Other");

    program.state().setActiveViewType(2);
    pollUntil([&] { return !toolbar->actions().isEmpty() && toolbar->actions().front()->text() == "Corvane"; });
    ASSERT_EQ(toolbar->actions().size(), 1);
    EXPECT_EQ(toolbar->actions().front()->text(), "Corvane");
    toolbar->actions().front()->trigger();
    EXPECT_EQ(ran("Corvane"), "[]\n");
}

TEST_F(ActsimWindowTest, Command150EndsActsimAndTheProgramsHearIt) {
    const int64_t before = program.events().lastSequence();
    program.runCommand(150);
    pollUntil([&] { return !window.isVisible(); });
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(program.events().after(before).size(), 2u);
}

TEST_F(ActsimWindowTest, ClosingTheDatabaseLeavesActsimRunningWithoutOne) {
    window.close();
    EXPECT_FALSE(program.state().running()) << "Exit closes ACT!";

    auto reopened = openActsimDatabase(database);
    EXPECT_TRUE(program.state().running());
    EXPECT_TRUE(program.state().databaseOpen());
    EXPECT_EQ(program.contacts().value(1, 1), "Northwind Traders");
    reopened->closeDatabase();
    EXPECT_TRUE(program.state().running());
    EXPECT_FALSE(program.state().databaseOpen());
}

TEST(ActsimDatabase, MissingDatabaseIsMadeFromTheDemoSeedWithItsFolder) {
    test::TempDir dir;
    const std::string path = joinPath(joinPath(dir.file("data"), "Corvane"), "Sales.dbf");
    auto engine = openActsimDatabase(path);
    EXPECT_EQ(engine->state().databasePath(), path);
    EXPECT_EQ(engine->users().count(), 6);
    EXPECT_EQ(engine->state().focusField(), -1);
}

} // namespace
} // namespace corvane::sim::actsim

#include "sim/engine/Engine.h"

#include "common/RuntimeError.h"

#include "sim/demo/DemoDatabase.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#endif

using corvane::sim::ActEventKind;
using corvane::sim::Engine;

TEST(Engine, ClosingActRaisesBothEventsOnce) {
    Engine engine(":memory:");
    corvane::sim::loadDemoDatabase(engine, "/data/Sales.dbf");
    engine.userClosesAct(3);
    engine.userClosesAct(3);
    engine.closeDatabase();
    const auto events = engine.events().after(0);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].kind, ActEventKind::UserWantsToClose);
    EXPECT_EQ(events[0].argument, 3);
    EXPECT_EQ(events[1].kind, ActEventKind::DatabaseClose);
    EXPECT_FALSE(engine.state().running());
}

TEST(Engine, ClosingTheDatabaseKeepsActRunning) {
    Engine engine(":memory:");
    corvane::sim::loadDemoDatabase(engine, "/data/Sales.dbf");
    engine.closeDatabase();
    EXPECT_TRUE(engine.state().running());
    EXPECT_FALSE(engine.state().databaseOpen());
    EXPECT_EQ(engine.events().after(0).size(), 1u);
}

TEST(Engine, FileIsSharedBetweenConnections) {
    corvane::test::TempDir dir;
    const std::string file = dir.file("Sales.dbf");
    Engine first(file);
    corvane::sim::loadDemoDatabase(first, file);
    Engine second(file);
    second.contacts().setValue(3, 15, "Prospect");
    second.state().setFocusField(15);
    EXPECT_EQ(first.contacts().value(3, 15), "Prospect");
    EXPECT_EQ(first.state().focusField(), 15);
    EXPECT_EQ(first.state().databasePath(), file);
}

TEST(Engine, FileThatIsNoDatabaseIsRefusedAndLeftAlone) {
    corvane::test::TempDir dir;
    const std::string file = dir.file("Sales.dbf");
    const std::string garbage(5000, '#');
    corvane::test::writeBytes(file, garbage);
    try {
        Engine engine(file);
        FAIL() << "opened";
    } catch (const corvane::RuntimeError& error) {
        EXPECT_EQ(error.number(), corvane::vberr::AutomationError);
        EXPECT_NE(error.description().find("not a database"), std::string::npos) << error.description();
    }
    EXPECT_EQ(corvane::test::readBytes(file), garbage);
}

TEST(Engine, FailedTransactionLeavesNoTrace) {
    Engine engine(":memory:");
    corvane::sim::loadDemoDatabase(engine, "/data/Sales.dbf");
    EXPECT_THROW(engine.transaction([&] {
        engine.contacts().setValue(1, 40, "half");
        throw std::runtime_error("stop");
    }),
                 std::runtime_error);
    EXPECT_EQ(engine.contacts().value(1, 40), "Key Account");
}

// A process killed while it writes (actsim, or a program ended by the user) must not damage the file.
// Only Linux shares one database file between processes (actsim and the Linux programs); on Windows
// the simulator serves tests inside one process, so the test is Linux's, on fork and kill.
#ifndef _WIN32
TEST(Engine, FileSurvivesAProcessKilledMidTransaction) {
    corvane::test::TempDir dir;
    const std::string file = dir.file("Sales.dbf");
    {
        Engine engine(file);
        corvane::sim::loadDemoDatabase(engine, file);
    }
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        Engine engine(file);
        engine.contacts().setValue(1, 40, "committed");
        engine.transaction([&] {
            for (int16_t field = 1; field <= 50; ++field) {
                engine.contacts().setValue(2, field, std::string(4000, 'x'));
            }
            const char signal = '!';
            [[maybe_unused]] auto written = write(ready[1], &signal, 1);
            pause();
        });
        _exit(1);
    }
    char signal = 0;
    ASSERT_EQ(read(ready[0], &signal, 1), 1);
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    close(ready[0]);
    close(ready[1]);
    ASSERT_TRUE(WIFSIGNALED(status));

    Engine engine(file);
    auto check = engine.connection().prepare("PRAGMA integrity_check");
    ASSERT_TRUE(check.step());
    EXPECT_EQ(check.text(0), "ok");
    EXPECT_EQ(engine.contacts().value(1, 40), "committed");
    EXPECT_EQ(engine.contacts().value(2, 1), "Blue Harbor Foods");
    EXPECT_EQ(engine.contacts().value(2, 50), "");
    engine.contacts().setValue(2, 50, "writable again");
    EXPECT_EQ(engine.contacts().value(2, 50), "writable again");
}
#endif

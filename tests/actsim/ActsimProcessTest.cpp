#include "platform/linux/ActRegistration.h"
#include "platform/linux/DesktopShell.h"
#include "sim/actsim/ActsimDatabase.h"

#include "tests/support/TempDir.h"
#include "tests/support/WaitFor.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace corvane::sim::actsim {
namespace {

// The restart of ACT! from the administration tool: command 150 ends the running actsim, and the
// shell's "open" of the database path starts the real actsim again on that database, which the
// programs then find through its note.
TEST(ActsimProcess, Command150EndsActsimAndOpeningTheDatabaseStartsItAgain) {
    test::TempDir dir;
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_all);
    ::setenv("XDG_RUNTIME_DIR", dir.path().c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string database = dir.file("Sales.dbf");
    auto engine = openActsimDatabase(database);
    engine->contacts().setValue(1, 7, "Kept");
    engine->runCommand(150);
    platform::linux_desktop::ActRegistration registration(dir.path().string());

    platform::linux_desktop::DesktopShell shell(CORVANE_ACTSIM_PROGRAM);
    ASSERT_EQ(shell.ShellExecuteA({0, "open", database, "", dir.path().string(), 5}), 42);
    ASSERT_TRUE(test::waitFor([&] { return registration.find() == database; }));
    EXPECT_TRUE(engine->state().running());
    EXPECT_TRUE(engine->state().databaseOpen());
    EXPECT_EQ(engine->contacts().value(1, 7), "Kept");
    ASSERT_TRUE(test::waitFor([&] { return engine->desktop().actWindow().has_value(); }));

    engine->runCommand(150);
    EXPECT_TRUE(test::waitFor([&] { return !registration.find(); })) << "actsim ended and took its note away";
    EXPECT_FALSE(engine->desktop().actWindow());
}

} // namespace
} // namespace corvane::sim::actsim

#include "platform/linux/LinuxActFactory.h"

#include "sim/demo/DemoDatabase.h"
#include "tests/support/TempDir.h"
#include "tests/support/VbErrorOf.h"

#include <gtest/gtest.h>

#include <unistd.h>

using corvane::platform::linux_desktop::ActRegistration;
using corvane::platform::linux_desktop::LinuxActFactory;

TEST(LinuxActFactory, WithoutARunningActNothingCanBeReached) {
    corvane::test::TempDir dir;
    ActRegistration registration(dir.path().string());
    LinuxActFactory factory(registration);
    auto control = factory.CreateEventControl();
    EXPECT_EQ(control->Operation1(0), 0);
    EXPECT_FALSE(control->Operation3());
    control->PumpEvents();
    EXPECT_EQ(corvane::test::vbErrorOf([&] { factory.CreateObject(corvane::act::kAppObjectClass); }), 429);
    EXPECT_EQ(factory.engine(), nullptr);
}

TEST(LinuxActFactory, RegisteredActIsTheOneTheProgramsTalkTo) {
    corvane::test::TempDir dir;
    const std::string database = dir.file("Sales.dbf");
    corvane::sim::Engine actsim(database);
    corvane::sim::loadDemoDatabase(actsim, database);
    ActRegistration registration(dir.path().string());
    registration.publish(getpid(), database);

    LinuxActFactory factory(registration);
    auto control = factory.CreateEventControl();
    EXPECT_EQ(control->Operation1(0), 1);
    auto app = std::dynamic_pointer_cast<corvane::act::Application>(factory.CreateObject("actole.appobject"));
    ASSERT_TRUE(app);
    app->OpenFile("");
    EXPECT_EQ(app->GetOpenDBName(), database);

    actsim.closeDatabase();
    EXPECT_EQ(control->Operation1(0), 0);
}

TEST(LinuxActFactory, RegisteredFileThatIsNoDatabaseCountsAsNoActAndIsLeftAlone) {
    corvane::test::TempDir dir;
    const std::string file = dir.file("Sales.dbf");
    const std::string garbage(3000, '#');
    corvane::test::writeBytes(file, garbage);
    ActRegistration registration(dir.path().string());
    registration.publish(getpid(), file);

    LinuxActFactory factory(registration);
    EXPECT_EQ(factory.CreateEventControl()->Operation1(0), 0);
    EXPECT_EQ(corvane::test::vbErrorOf([&] { factory.CreateObject(corvane::act::kAppObjectClass); }), 429);
    EXPECT_EQ(corvane::test::readBytes(file), garbage);
}

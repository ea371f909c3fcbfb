#include "sim/demo/DemoDatabase.h"

#include "sim/engine/Engine.h"

#include "tests/support/VbErrorOf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace corvane;
using corvane::sim::Engine;

TEST(DemoDatabase, HoldsTheSalesDatabase) {
    Engine engine(":memory:");
    sim::loadDemoDatabase(engine, "/data/Sales.dbf");
    EXPECT_TRUE(engine.state().databaseOpen());
    EXPECT_EQ(engine.state().databasePath(), "/data/Sales.dbf");

    const auto fields = engine.fields().all();
    EXPECT_EQ(fields.size(), 20u);
    EXPECT_EQ(std::count_if(fields.begin(), fields.end(), [](const auto& f) { return f.entryRule == 3; }), 5);

    const auto users = engine.users().all();
    ASSERT_EQ(users.size(), 6u);
    EXPECT_EQ(std::count_if(users.begin(), users.end(), [](const auto& u) { return u.security == 5; }), 1);
    std::set<std::string> names;
    for (const auto& user : users) {
        names.insert(user.name);
    }
    EXPECT_EQ(names.size(), 5u); // two users share a name

    EXPECT_EQ(engine.contacts().ids().size(), 12u);
    EXPECT_EQ(engine.state().currentContact(), 1);
    EXPECT_EQ(engine.state().loggedInUser(), 1);
}

TEST(DemoDatabase, LoadingAgainReplacesTheData) {
    Engine engine(":memory:");
    sim::loadDemoDatabase(engine, "/data/Sales.dbf");
    engine.contacts().setValue(1, 40, "changed");
    engine.users().add("Extra", "X0X0X0X0", 1);
    sim::loadDemoDatabase(engine, "/data/Sales.dbf");
    EXPECT_EQ(engine.contacts().value(1, 40), "Key Account");
    EXPECT_EQ(engine.users().count(), 6);
}

TEST(DemoDatabase, FailingSeedChangesNothing) {
    Engine engine(":memory:");
    sim::loadDemoDatabase(engine, "/data/Sales.dbf");
    engine.closeDatabase();
    const int error = test::vbErrorOf(
        [&] { sim::loadSeed(engine, "DELETE FROM users; INSERT INTO nowhere VALUES (1);", "/data/Broken.dbf"); });
    EXPECT_EQ(error, vberr::AutomationError);
    EXPECT_EQ(engine.users().count(), 6);
    EXPECT_FALSE(engine.state().databaseOpen());
    EXPECT_EQ(engine.state().databasePath(), "/data/Sales.dbf");
}

#include "sim/act/SimUsers.h"

#include "sim/act/SimDatabase.h"
#include "sim/demo/DemoDatabase.h"
#include "sim/engine/Engine.h"

#include "tests/support/VbErrorOf.h"

#include <gtest/gtest.h>

using namespace corvane;
using corvane::sim::Engine;
using corvane::test::vbErrorOf;

namespace {

class SimUsersTest : public ::testing::Test {
protected:
    SimUsersTest() { sim::loadDemoDatabase(engine, "/data/Sales.dbf"); }

    Engine engine{":memory:"};
    sim::SimUsers users{engine};
};

} // namespace

TEST_F(SimUsersTest, PositionsCountFromOne) {
    ASSERT_EQ(users.Count(), 6);
    EXPECT_EQ(users.Name(1), "Dana Whitfield");
    EXPECT_EQ(users.Name(6), "Lee Brennan");
    EXPECT_EQ(vbErrorOf([&] { users.Name(0); }), vberr::SubscriptOutOfRange);
    EXPECT_EQ(vbErrorOf([&] { users.Name(7); }), vberr::SubscriptOutOfRange);
}

TEST_F(SimUsersTest, UniqueIDTakesThePositionAsDecimalText) {
    EXPECT_EQ(users.UniqueID("1"), "K7Q2M9X1");
    EXPECT_EQ(users.UniqueID(" 3 "), "D9F5H2J7");
    EXPECT_EQ(vbErrorOf([&] { users.UniqueID("U3"); }), vberr::TypeMismatch);
    EXPECT_EQ(vbErrorOf([&] { users.UniqueID("40000"); }), vberr::Overflow);
    EXPECT_EQ(vbErrorOf([&] { users.UniqueID("0"); }), vberr::SubscriptOutOfRange);
}

TEST_F(SimUsersTest, UsersWithTheSameNameKeepTheirOwnIds) {
    EXPECT_EQ(users.Name(3), users.Name(4));
    EXPECT_NE(users.UniqueID("3"), users.UniqueID("4"));
}

TEST_F(SimUsersTest, SecurityIsTheLoggedInUsers) {
    EXPECT_EQ(users.CurrentUserSecurity(), 5);
    engine.state().setLoggedInUser(4);
    EXPECT_EQ(users.CurrentUserSecurity(), 1);
    engine.state().setLoggedInUser(std::nullopt);
    EXPECT_EQ(vbErrorOf([&] { users.CurrentUserSecurity(); }), vberr::AutomationError);
}

TEST_F(SimUsersTest, DatabaseObjectHandsOutListsOnlyAfterOpenEx) {
    sim::SimDatabase database(engine);
    EXPECT_EQ(vbErrorOf([&] { database.Users(); }), vberr::AutomationError);
    EXPECT_EQ(vbErrorOf([&] { database.OpenEx("/elsewhere/Other.dbf"); }), vberr::FileNotFound);
    database.OpenEx("");
    EXPECT_EQ(database.Users()->Count(), 6);
    EXPECT_EQ(database.Contact()->Fields()->Count(), 20);
    database.OpenEx("/data/Sales.dbf");
}

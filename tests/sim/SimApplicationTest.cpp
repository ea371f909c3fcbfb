#include "sim/act/SimApplication.h"

#include "sim/act/SimEventControl.h"
#include "sim/demo/DemoDatabase.h"
#include "sim/engine/Engine.h"

#include "tests/support/VbErrorOf.h"

#include <gtest/gtest.h>

#include <vector>

using namespace corvane;
using corvane::sim::Engine;
using corvane::test::vbErrorOf;

namespace {

class SimApplicationTest : public ::testing::Test {
protected:
    SimApplicationTest() { sim::loadDemoDatabase(engine, "/data/ACT/Sales.dbf"); }

    Engine engine{":memory:"};
    sim::SimApplication app{engine};
};

} // namespace

TEST_F(SimApplicationTest, MembersNeedOpenFileFirst) {
    EXPECT_EQ(vbErrorOf([&] { app.GetOpenDBName(); }), vberr::AutomationError);
    EXPECT_EQ(vbErrorOf([&] { app.Views(); }), vberr::AutomationError);
    EXPECT_EQ(vbErrorOf([&] { app.OpenFile("/data/ACT/Other.dbf"); }), vberr::FileNotFound);
    app.OpenFile("");
    EXPECT_EQ(app.GetOpenDBName(), "/data/ACT/Sales.dbf");
    EXPECT_EQ(app.GetUserID(), "K7Q2M9X1");
}

TEST_F(SimApplicationTest, OpenFileFailsWithoutAnOpenDatabase) {
    engine.closeDatabase();
    EXPECT_EQ(vbErrorOf([&] { app.OpenFile(""); }), vberr::AutomationError);
}

TEST_F(SimApplicationTest, CommandsAreLoggedAndCommand150ClosesAct) {
    sim::SimEventControl control(engine);
    app.OpenFile("");
    app.Command(104);
    EXPECT_EQ(control.Operation1(0), 1);
    EXPECT_TRUE(control.Operation3());

    app.Command(150);
    EXPECT_EQ(engine.commands().all(), (std::vector<int16_t>{104, 150}));
    EXPECT_FALSE(engine.state().running());
    EXPECT_FALSE(engine.state().databaseOpen());
    EXPECT_EQ(control.Operation1(0), 0);
    EXPECT_FALSE(control.Operation3());
    EXPECT_EQ(engine.events().after(0).size(), 2u);
    EXPECT_EQ(vbErrorOf([&] { app.GetOpenDBName(); }), vberr::AutomationError);
    // The path stays known, so ACT! can be started again with it.
    EXPECT_EQ(engine.state().databasePath(), "/data/ACT/Sales.dbf");
}

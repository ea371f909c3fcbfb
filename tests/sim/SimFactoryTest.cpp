#include "sim/act/SimFactory.h"

#include "sim/demo/DemoDatabase.h"
#include "sim/engine/Engine.h"

#include "tests/support/VbErrorOf.h"

#include <gtest/gtest.h>

using namespace corvane;
using corvane::test::vbErrorOf;

TEST(SimFactory, CreatesTheThreeClassesByNameIgnoringCase) {
    sim::Engine engine(":memory:");
    sim::SimFactory factory(engine);
    EXPECT_NE(act::CreateObjectAs<act::Application>(factory, "ACTOLE.APPOBJECT"), nullptr);
    EXPECT_NE(act::CreateObjectAs<act::Database>(factory, "actole.database"), nullptr);
    EXPECT_NE(act::CreateObjectAs<act::AuxCommands>(factory, "ActOle.AuxCmds"), nullptr);
    EXPECT_EQ(vbErrorOf([&] { act::CreateObjectAs<act::Database>(factory, "ACTOLE.APPOBJECT"); }), vberr::TypeMismatch);
    EXPECT_EQ(vbErrorOf([&] { factory.CreateObject("ACTOLE.CONTACT"); }), vberr::CantCreateObject);
}

TEST(SimFactory, NothingCanBeCreatedWhileActIsNotRunning) {
    sim::Engine engine(":memory:");
    sim::loadDemoDatabase(engine, "/data/Sales.dbf");
    sim::SimFactory factory(engine);
    auto control = factory.CreateEventControl();
    engine.userClosesAct();
    EXPECT_EQ(vbErrorOf([&] { factory.CreateObject(act::kAppObjectClass); }), vberr::CantCreateObject);
    // The event control is loaded with the form, and then reports that ACT! cannot be reached.
    EXPECT_EQ(factory.CreateEventControl()->Operation1(0), 0);
}

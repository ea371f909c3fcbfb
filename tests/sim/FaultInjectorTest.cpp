#include "sim/fault/FaultInjector.h"

#include "sim/act/SimFactory.h"
#include "sim/demo/DemoDatabase.h"
#include "sim/engine/Engine.h"
#include "sim/fault/FaultyFactory.h"

#include "tests/support/VbErrorOf.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace corvane;
using corvane::sim::ActCall;
using corvane::sim::Fault;
using corvane::test::vbErrorOf;

namespace {

class FaultInjectorTest : public ::testing::Test {
protected:
    FaultInjectorTest() { sim::loadDemoDatabase(engine, "/data/Sales.dbf"); }

    std::shared_ptr<act::Fields> openFields() {
        auto database = act::CreateObjectAs<act::Database>(factory, act::kDatabaseClass);
        database->OpenEx("");
        return database->Contact()->Fields();
    }

    std::shared_ptr<act::View> contactView() {
        auto app = act::CreateObjectAs<act::Application>(factory, act::kAppObjectClass);
        app->OpenFile("");
        return app->Views()->Create(1, "CV");
    }

    sim::Engine engine{":memory:"};
    sim::SimFactory simFactory{engine};
    sim::FaultInjector injector;
    sim::FaultyFactory factory{simFactory, injector};
};

} // namespace

TEST_F(FaultInjectorTest, LogsEveryCallWithItsArguments) {
    auto view = contactView();
    view->SetField(40, "Reseller");
    EXPECT_EQ(injector.calls().front(), (ActCall{"ActFactory.CreateObject", {"ACTOLE.APPOBJECT"}}));
    EXPECT_EQ(injector.callsTo("Views.Create"), (std::vector<ActCall>{{"Views.Create", {"1", "CV"}}}));
    EXPECT_EQ(injector.callsTo("View.SetField"), (std::vector<ActCall>{{"View.SetField", {"40", "Reseller"}}}));
    EXPECT_EQ(engine.contacts().value(1, 40), "Reseller");
}

TEST_F(FaultInjectorTest, FailingMemberRaisesItsErrorAndDoesNoWork) {
    injector.failWith("View.SetField", vberr::AutomationError);
    auto view = contactView();
    EXPECT_EQ(vbErrorOf([&] { view->SetField(40, "Reseller"); }), vberr::AutomationError);
    EXPECT_EQ(engine.contacts().value(1, 40), "Key Account");
    EXPECT_EQ(injector.callsTo("View.SetField").size(), 1u);

    injector.clearFaults();
    injector.inject("ActFactory.CreateObject", Fault::raising(vberr::CantCreateObject, "not registered"));
    try {
        factory.CreateObject(act::kAuxCommandsClass);
        FAIL() << "no error";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.description(), "not registered");
    }
}

TEST_F(FaultInjectorTest, FaultsCanBeNarrowedToArgumentsAndLaterCalls) {
    auto fields = openFields();
    injector.inject("Fields.EntryRule", Fault::raising(vberr::AutomationError).onlyWith({"21"}));
    injector.inject("Fields.ID", Fault::returning(int64_t{-1}).afterCalls(2));
    EXPECT_EQ(fields->EntryRule("15"), 3);
    EXPECT_EQ(vbErrorOf([&] { fields->EntryRule("21"); }), vberr::AutomationError);
    EXPECT_EQ(fields->ID(0), 1);
    EXPECT_EQ(fields->ID(1), 2);
    EXPECT_EQ(fields->ID(2), -1);
    EXPECT_EQ(fields->ID(3), -1);
}

TEST_F(FaultInjectorTest, AFaultCanHitExactlyOneCall) {
    auto fields = openFields();
    injector.inject("Fields.ID", Fault::raising(vberr::AutomationError).onlyWith({"1"}).afterCalls(1).times(1));
    EXPECT_EQ(fields->ID(1), 2);
    EXPECT_EQ(vbErrorOf([&] { fields->ID(1); }), vberr::AutomationError);
    EXPECT_EQ(fields->ID(1), 2);
    EXPECT_EQ(fields->ID(0), 1);
}

TEST_F(FaultInjectorTest, ChosenValuesReplaceTheResult) {
    injector.returnValue("Fields.Count", int64_t{99});
    injector.returnValue("Fields.Label", std::string("Renamed"));
    injector.returnValue("View.Type", int64_t{40000});
    injector.returnValue("EventControl.Operation3", int64_t{1});
    auto fields = openFields();
    EXPECT_EQ(fields->Count(), 99);
    EXPECT_EQ(fields->Label(0), "Renamed");
    EXPECT_EQ(vbErrorOf([&] { contactView()->Type(); }), vberr::Overflow); // does not fit 16 bits
    engine.closeDatabase();
    EXPECT_TRUE(factory.CreateEventControl()->Operation3());
}

TEST_F(FaultInjectorTest, RejectsUnknownMembersAndValuesOfTheWrongKind) {
    EXPECT_THROW(injector.failWith("Fields.Id", 5), std::invalid_argument);
    EXPECT_THROW(injector.returnValue("Fields.Label", int64_t{1}), std::invalid_argument);
    EXPECT_THROW(injector.returnValue("View.SetField", std::string("x")), std::invalid_argument);
    EXPECT_THROW(injector.returnValue("Application.Views", int64_t{0}), std::invalid_argument);
}

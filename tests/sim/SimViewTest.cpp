#include "sim/act/SimView.h"

#include "sim/act/SimViews.h"
#include "sim/demo/DemoDatabase.h"
#include "sim/engine/Engine.h"

#include "tests/support/VbErrorOf.h"

#include <gtest/gtest.h>

#include <vector>

using namespace corvane;
using corvane::sim::Engine;
using corvane::test::vbErrorOf;

namespace {

class SimViewTest : public ::testing::Test {
protected:
    SimViewTest() {
        sim::loadDemoDatabase(engine, "/data/Sales.dbf");
        engine.setForegroundListener([this](int16_t viewType) { broughtToFront.push_back(viewType); });
    }

    Engine engine{":memory:"};
    sim::SimViews views{engine};
    std::vector<int16_t> broughtToFront;
};

} // namespace

TEST_F(SimViewTest, CreateBringsTheViewToTheFront) {
    engine.state().setActiveViewType(2);
    EXPECT_EQ(views.GetActive()->Type(), 2);
    auto view = views.Create(1, "CV");
    EXPECT_EQ(view->Type(), 1);
    EXPECT_EQ(engine.state().activeViewType(), 1);
    EXPECT_EQ(broughtToFront, (std::vector<int16_t>{1}));
}

TEST_F(SimViewTest, CreateRefusesOtherNamesAndTypes) {
    EXPECT_EQ(vbErrorOf([&] { views.Create(1, "Contacts"); }), vberr::InvalidProcedureCall);
    EXPECT_EQ(vbErrorOf([&] { views.Create(7, "CV"); }), vberr::InvalidProcedureCall);
    EXPECT_EQ(vbErrorOf([&] { views.Create(0, "CV"); }), vberr::InvalidProcedureCall);
    EXPECT_TRUE(broughtToFront.empty());
}

TEST_F(SimViewTest, FieldsAreThoseOfTheCurrentContact) {
    auto view = views.Create(1, "CV");
    engine.state().setFocusField(40);
    EXPECT_EQ(view->CurrentFieldID(), 40);
    EXPECT_EQ(view->GetField(40), "Key Account");
    EXPECT_EQ(view->GetField(41), ""); // never set

    engine.state().setCurrentContact(2);
    EXPECT_EQ(view->GetField(40), "");
    view->SetField(40, "Reseller");
    EXPECT_EQ(engine.contacts().value(2, 40), "Reseller");
    EXPECT_EQ(engine.contacts().value(1, 40), "Key Account");
    view->SetField(40, "");
    EXPECT_EQ(view->GetField(40), "");
}

TEST_F(SimViewTest, UnknownFieldOrNoCurrentContactFails) {
    auto view = views.Create(1, "CV");
    EXPECT_EQ(vbErrorOf([&] { view->GetField(5); }), vberr::InvalidProcedureCall);
    EXPECT_EQ(vbErrorOf([&] { view->SetField(5, "x"); }), vberr::InvalidProcedureCall);
    engine.state().setCurrentContact(std::nullopt);
    EXPECT_EQ(vbErrorOf([&] { view->SetField(40, "x"); }), vberr::AutomationError);
}

#include "sim/act/SimFields.h"

#include "sim/demo/DemoDatabase.h"
#include "sim/engine/Engine.h"

#include "tests/support/VbErrorOf.h"

#include <gtest/gtest.h>

#include <vector>

using namespace corvane;
using corvane::sim::Engine;
using corvane::sim::FieldDefinition;
using corvane::sim::SimFields;
using corvane::test::vbErrorOf;

namespace {

class SimFieldsTest : public ::testing::Test {
protected:
    SimFieldsTest() { sim::loadDemoDatabase(engine, "/data/Sales.dbf"); }

    Engine engine{":memory:"};
    SimFields fields{engine};
};

} // namespace

// The administration tool's walk: from index 0, skipping indices without a field, until as many
// fields were seen as Count says.
TEST_F(SimFieldsTest, WalkFromIndexZeroSkipsHolesAndFindsEveryField) {
    std::vector<int16_t> numbers;
    std::vector<int16_t> holes;
    for (int16_t index = 0; static_cast<int32_t>(numbers.size()) < fields.Count(); ++index) {
        const int16_t id = fields.ID(index);
        (id == -1 ? holes : numbers).push_back(id == -1 ? index : id);
    }
    EXPECT_EQ(numbers, (std::vector<int16_t>{1, 2, 3, 4, 6, 7, 8, 9, 12, 15, 20, 21, 22, 30, 31, 32, 40, 41, 42, 50}));
    EXPECT_EQ(holes, (std::vector<int16_t>{4, 11, 19}));
    EXPECT_EQ(fields.Label(10), "ID/Status");
    EXPECT_EQ(fields.Label(4), "");
}

TEST_F(SimFieldsTest, IndicesOutsideTheListFail) {
    EXPECT_EQ(fields.ID(22), 50);
    EXPECT_EQ(vbErrorOf([&] { fields.ID(23); }), vberr::SubscriptOutOfRange);
    EXPECT_EQ(vbErrorOf([&] { fields.ID(-1); }), vberr::SubscriptOutOfRange);
    EXPECT_EQ(vbErrorOf([&] { fields.Label(23); }), vberr::SubscriptOutOfRange);
}

TEST_F(SimFieldsTest, EntryRuleTakesTheFieldNumberAsDecimalText) {
    EXPECT_EQ(fields.EntryRule("15"), 3);
    EXPECT_EQ(fields.EntryRule(" 21 "), 3);
    EXPECT_EQ(fields.EntryRule("4"), 1);
    EXPECT_EQ(vbErrorOf([&] { fields.EntryRule("Zip"); }), vberr::TypeMismatch);
    EXPECT_EQ(vbErrorOf([&] { fields.EntryRule("70000"); }), vberr::Overflow);
    EXPECT_EQ(vbErrorOf([&] { fields.EntryRule("5"); }), vberr::InvalidProcedureCall); // no field 5
}

TEST(SimFields, EmptyListHasNoIndexAtAll) {
    Engine engine(":memory:");
    engine.state().openDatabase("/data/Empty.dbf");
    SimFields fields(engine);
    EXPECT_EQ(fields.Count(), 0);
    EXPECT_EQ(vbErrorOf([&] { fields.ID(0); }), vberr::SubscriptOutOfRange);

    engine.fields().clearIndex(0);
    EXPECT_EQ(fields.ID(0), -1);
    engine.fields().put(FieldDefinition{2, 9, "Zip", 3});
    EXPECT_EQ(fields.Count(), 1);
    EXPECT_EQ(fields.ID(1), -1);
    EXPECT_EQ(fields.ID(2), 9);
}

TEST(SimFields, FailWhenNoDatabaseIsOpen) {
    Engine engine(":memory:");
    sim::loadDemoDatabase(engine, "/data/Sales.dbf");
    SimFields fields(engine);
    engine.closeDatabase();
    EXPECT_EQ(vbErrorOf([&] { fields.Count(); }), vberr::AutomationError);
}

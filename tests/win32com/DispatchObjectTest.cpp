#include "platform/win32/com/DispatchObject.h"

#include "common/RuntimeError.h"
#include "tests/support/VbErrorOf.h"
#include "tests/win32com/RecordingObject.h"

#include <gtest/gtest.h>

namespace corvane::win32::com::test {
namespace {

using corvane::test::vbErrorOf;

/// The object as the client holds it: a reference of its own, given back when the client goes.
struct Called {
    RecordingObject object;
    DispatchObject client{ComPtr<IDispatch>::shared(&object)};
};

TEST(DispatchObject, PassesTheArgumentsInCallOrderWithTheirTypesAndReferences) {
    Called call;
    const Variant echoed =
        call.client.call("Echo", Argument::text("Caf\xE9 \x80"), Argument::int16(-7), Argument::int32(100000),
                         Argument::int16ByRef(15), Argument::textByRef("12"));
    EXPECT_EQ(call.object.flags, DISPATCH_METHOD | DISPATCH_PROPERTYGET);
    ASSERT_EQ(call.object.arguments.size(), 5U);
    const auto& passed = call.object.arguments;
    EXPECT_EQ(passed[0].type, VT_BSTR);
    EXPECT_EQ(passed[0].value, L"Caf\u00E9 \u20AC") << "the ANSI code page's letters, as text in COM";
    EXPECT_EQ(passed[1].type, VT_I2);
    EXPECT_EQ(passed[1].value, L"-7");
    EXPECT_EQ(passed[2].type, VT_I4);
    EXPECT_EQ(passed[2].value, L"100000");
    EXPECT_EQ(passed[3].type, VT_I2 | VT_BYREF);
    EXPECT_EQ(passed[3].value, L"15");
    EXPECT_EQ(passed[4].type, VT_BSTR | VT_BYREF);
    EXPECT_EQ(passed[4].value, L"12");
    EXPECT_EQ(echoed.toText(), "Caf\xE9 \x80") << "and back";
}

TEST(DispatchObject, AsksAMembersNumberOncePerObject) {
    Called call;
    call.client.call("Echo", Argument::int16(1));
    call.client.call("Echo", Argument::int16(2));
    EXPECT_EQ(call.object.namesAsked, 1);
}

TEST(DispatchObject, EachFailureIsTheErrorAVbProgramWouldHaveSeen) {
    Called call;
    EXPECT_EQ(vbErrorOf([&] { call.client.call("NoSuchMember"); }), vberr::ObjectDoesNotSupportMember);
    EXPECT_EQ(vbErrorOf([&] { call.client.call("Mismatch"); }), vberr::TypeMismatch);
    try {
        call.client.call("Raise");
        ADD_FAILURE() << "no error";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), 440);
        EXPECT_EQ(error.description(), "The contact went away");
    }
    try {
        call.client.call("RaiseForeign");
        ADD_FAILURE() << "no error";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), static_cast<int>(E_ACCESSDENIED));
        EXPECT_EQ(error.description(), "Access is denied to the test object");
    }
    try {
        call.client.call("Break");
        ADD_FAILURE() << "no error";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), static_cast<int>(E_UNEXPECTED));
        EXPECT_EQ(error.description(), "Automation error");
    }
}

TEST(DispatchObject, ResultsConvertAsVbConvertsThem) {
    Called call;
    EXPECT_EQ(call.client.call("Echo", Argument::text("42")).toInt16(), 42);
    EXPECT_TRUE(call.client.call("Echo", Argument::int16(-1)).toBool());
    EXPECT_EQ(vbErrorOf([&] { call.client.call("Echo", Argument::text("forty")).toInt16(); }), vberr::TypeMismatch);
    EXPECT_EQ(vbErrorOf([&] { call.client.call("Echo", Argument::int32(70000)).toInt16(); }), vberr::Overflow);
    EXPECT_EQ(vbErrorOf([&] { call.client.call("Echo", Argument::int16(3)).toObject(); }), 424);
}

TEST(DispatchObject, GivesItsReferenceBackWhenItGoes) {
    RecordingObject object;
    {
        DispatchObject client{ComPtr<IDispatch>::shared(&object)};
        client.call("Echo", Argument::int16(1));
        EXPECT_EQ(object.references(), 1U);
    }
    EXPECT_EQ(object.references(), 0U);
}

} // namespace
} // namespace corvane::win32::com::test

// What /regserver and /unregserver leave in the registry, as the programs find ACT! through it.
#include "tests/win32actsim/RunningActsim.h"

#include "platform/win32/com/ComActFactory.h"
#include "tests/support/VbErrorOf.h"

#include <gtest/gtest.h>

#include <array>

namespace corvane::test {
namespace {

constexpr std::array<std::string_view, 3> kClasses{act::kAppObjectClass, act::kDatabaseClass, act::kAuxCommandsClass};

/// The default value of a key under HKEY_CLASSES_ROOT, or "" when there is none.
std::string classesValue(const std::string& key) {
    char value[MAX_PATH * 2] = {};
    LONG size = sizeof value;
    return RegQueryValueA(HKEY_CLASSES_ROOT, key.c_str(), value, &size) == ERROR_SUCCESS ? value : "";
}

std::string windowsPath(std::string path) {
    for (char& c : path) {
        c = c == '/' ? '\\' : c;
    }
    return path;
}

/// The class id that a ProgID names, as text.
std::string classOf(std::string_view progId) {
    return classesValue(std::string(progId) + "\\CLSID");
}

TEST(ActsimRegistration, EachClassIsServedByActsimAndTheEventControlByTheDllBesideIt) {
    const std::string program = windowsPath(RunningActsim::builtProgram());
    for (std::string_view progId : kClasses) {
        const std::string classId = classOf(progId);
        ASSERT_FALSE(classId.empty()) << progId;
        EXPECT_EQ(windowsPath(classesValue("CLSID\\" + classId + "\\LocalServer32")), "\"" + program + "\"");
    }
    const std::string control = classOf("ACTEVENTLib.ActEvent");
    const std::string folder = program.substr(0, program.find_last_of('\\'));
    EXPECT_EQ(windowsPath(classesValue("CLSID\\" + control + "\\InprocServer32")), folder + "\\actevent.dll");
}

TEST(ActsimRegistration, UnregisteredClassesAre429AndTheEventControlCannotReachAct) {
    ASSERT_TRUE(RunningActsim::runSwitch(RunningActsim::builtProgram(), "/unregserver"));
    win32::com::ComActFactory factory;
    for (std::string_view progId : kClasses) {
        EXPECT_EQ(vbErrorOf([&] { factory.CreateObject(progId); }), vberr::CantCreateObject) << progId;
        EXPECT_EQ(classOf(progId), "");
    }
    const auto control = factory.CreateEventControl();
    EXPECT_EQ(control->Operation1(0), 0);
    // The programs then ask for ACT!'s components to be registered.
    EXPECT_TRUE(control->Operation3());
    ASSERT_TRUE(RunningActsim::runSwitch(RunningActsim::builtProgram(), "/regserver"));
}

} // namespace
} // namespace corvane::test

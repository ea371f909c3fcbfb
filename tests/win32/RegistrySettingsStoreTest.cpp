#include "platform/win32/registry/RegistrySettingsStore.h"

#include "common/RuntimeError.h"
#include "tests/support/VbErrorOf.h"
#include "tests/win32/ChildProcess.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <string>
#include <utility>
#include <vector>

namespace corvane {
namespace {

using win32::RegistrySettingsStore;
using namespace std::chrono_literals;

// Each test keeps its settings under an application name of its own and removes them at the end.
class RegistrySettingsStoreTest : public ::testing::Test {
protected:
    ~RegistrySettingsStoreTest() override { RegDeleteTreeA(HKEY_CURRENT_USER, appKey.c_str()); }

    // The value as the registry holds it: its type and bytes.
    std::pair<DWORD, std::string> stored(const std::string& name) const {
        DWORD type = 0;
        char data[256] = {};
        DWORD size = sizeof data;
        RegGetValueA(HKEY_CURRENT_USER, (appKey + "\\Settings").c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &type,
                     data, &size);
        return {type, std::string(data, size)};
    }

    std::string app = "CorvaneTest" + std::to_string(GetCurrentProcessId());
    std::string appKey = "Software\\VB and VBA Program Settings\\" + app;
    RegistrySettingsStore store;
};

TEST_F(RegistrySettingsStoreTest, GetGivesTheDefaultUntilSavedAndAfterDelete) {
    EXPECT_EQ(store.Get(app, "Settings", "ListPath", "dflt"), "dflt");
    store.Delete(app, "Settings", "ListPath"); // no key yet: no error
    store.Save(app, "Settings", "ListPath", "  C:\\Data folder  ");
    EXPECT_EQ(store.Get(app, "settings", "LISTPATH", "dflt"), "  C:\\Data folder  ");
    EXPECT_EQ(store.Get(app, "Settings", "UsersPath", "dflt"), "dflt");
    store.Delete(app, "Settings", "ListPath");
    store.Delete(app, "Settings", "ListPath"); // absent: no error
    EXPECT_EQ(store.Get(app, "Settings", "ListPath", "dflt"), "dflt");
}

TEST_F(RegistrySettingsStoreTest, KeepsStringValuesWhereClassicProgramsKeepTheirs) {
    store.Save(app, "Settings", "Top", "1200");
    EXPECT_EQ(stored("Top"), std::make_pair(DWORD{REG_SZ}, std::string("1200\0", 5)));
}

TEST_F(RegistrySettingsStoreTest, StoresAnsiValuesUnchanged) {
    for (const std::string& value :
         std::vector<std::string>{"", "\"quoted\"", "a=b", "Caf\xE9 \x80 \x8A\x9F\xFF", std::string(5000, 'u')}) {
        store.Save(app, "Settings", "LastField", value);
        EXPECT_EQ(store.Get(app, "Settings", "LastField", "dflt"), value);
    }
}

// An installation's settings were written by other programs: what reg.exe stores reads back, and a
// value that is no string reads as absent.
TEST_F(RegistrySettingsStoreTest, ReadsValuesOtherProgramsWrote) {
    const std::string key = "HKCU\\" + appKey + "\\Settings";
    test::ChildProcess reg("reg.exe add \"" + key + "\" /v ListPath /t REG_SZ /d \"D:\\Caf\xE9 \x80\\Settings\" /f");
    ASSERT_EQ(reg.waitForExit(30s), 0ul);
    EXPECT_EQ(store.Get(app, "Settings", "ListPath", "dflt"), "D:\\Caf\xE9 \x80\\Settings");

    const DWORD number = 7;
    RegSetKeyValueA(HKEY_CURRENT_USER, (appKey + "\\Settings").c_str(), "Top", REG_DWORD, &number, sizeof number);
    EXPECT_EQ(store.Get(app, "Settings", "Top", "dflt"), "dflt");
}

TEST_F(RegistrySettingsStoreTest, ARegistryThatRefusesRaisesAnError) {
    const std::string tooLong(300, 's'); // longer than a key's name may be
    EXPECT_EQ(test::vbErrorOf([&] { store.Save(app, tooLong, "Top", "1"); }), vberr::InvalidProcedureCall);
    EXPECT_EQ(test::vbErrorOf([&] { store.Get(app, tooLong, "Top", ""); }), vberr::InvalidProcedureCall);
}

} // namespace
} // namespace corvane

#include "common/IniSettingsStore.h"
#include "common/MemorySettingsStore.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>

namespace corvane {
namespace {

// Both stores honour the same contract.
template <class Store> class SettingsStoreContract : public ::testing::Test {
protected:
    test::TempDir dir;
    std::unique_ptr<SettingsStore> make() {
        if constexpr (std::is_same_v<Store, IniSettingsStore>) {
            return std::make_unique<IniSettingsStore>(dir.file("config"));
        } else {
            return std::make_unique<MemorySettingsStore>();
        }
    }
};
using Stores = ::testing::Types<MemorySettingsStore, IniSettingsStore>;
TYPED_TEST_SUITE(SettingsStoreContract, Stores);

TYPED_TEST(SettingsStoreContract, GetGivesTheDefaultUntilSavedAndAfterDelete) {
    auto store = this->make();
    EXPECT_EQ(store->Get("Corvane", "Settings", "ListPath", "dflt"), "dflt");
    store->Save("Corvane", "Settings", "ListPath", "  C:/Data folder  ");
    EXPECT_EQ(store->Get("Corvane", "settings", "LISTPATH", "dflt"), "  C:/Data folder  ");
    store->Delete("Corvane", "Settings", "ListPath");
    EXPECT_EQ(store->Get("Corvane", "Settings", "ListPath", "dflt"), "dflt");
    store->Delete("Corvane", "Settings", "End"); // absent: no error
}

TYPED_TEST(SettingsStoreContract, StoresValuesUnchanged) {
    auto store = this->make();
    for (const std::string value : {"", "\"quoted\"", "'", "a=b", "caf\xE9"}) {
        store->Save("Corvane", "Settings", "LastField", value);
        EXPECT_EQ(store->Get("Corvane", "Settings", "LastField", "dflt"), value);
    }
}

TEST(IniSettingsStore, KeepsOneFilePerApplicationAndSurvivesANewInstance) {
    test::TempDir dir;
    IniSettingsStore(dir.file("config")).Save("Corvane", "Settings", "Top", "1200");
    EXPECT_EQ(IniSettingsStore(dir.file("config")).Get("Corvane", "Settings", "Top", ""), "1200");
    EXPECT_EQ(test::readBytes(IniSettingsStore(dir.file("config")).fileOf("Corvane")),
              "[Settings]\r\nTop=\"1200\"\r\n");
}

} // namespace
} // namespace corvane

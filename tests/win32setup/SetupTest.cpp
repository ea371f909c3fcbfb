// CorvaneSetup.exe, the amd64 build of the shipped installer's script, run as a deployment runs it:
// installed silently, installed over, uninstalled, in the tests' Wine prefix.
#include "tests/win32setup/Installation.h"

#include "admin/ShellOpen.h"
#include "common/FieldSettingsFile.h"
#include "common/Paths.h"
#include "common/SettingsPaths.h"
#include "platform/win32/registry/RegistrySettingsStore.h"
#include "platform/win32/ui/Handles.h"
#include "platform/win32/ui/OleSession.h"
#include "tests/support/TempDir.h"
#include "tests/support/WaitFor.h"

#include <sddl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <regex>

namespace corvane::test {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

// An installer run takes about a second under Wine; the uninstaller ends in a copy of itself that
// runs on after the one started has returned.
constexpr auto kRunTime = 120s;
constexpr auto kUninstallTime = 60s;
constexpr unsigned long kAbortedByScript = 2;

// What customers' administrators left in the Settings folder: CR LF lines, a comment, a letter of
// Windows-1252.
const std::string kUsersFile = "; kept by hand\r\n[Sales]\r\nGlobalF=K7Q2M9X1\r\nGlobalI=P3R8T4V6\r\n22F=K7Q2M9X1\r\n";
const std::string kFieldFile = "OnlyFromDropdown=1\r\nAllowEditing=0\r\nNorth\r\nS\xE9ville\r\n";

/// Each user's own settings in the registry, kept as they were before the test and put back after it.
class OwnSettings {
public:
    static constexpr std::array<const char*, 3> kKeys{"ListPath", "UsersPath", "Top"};

    OwnSettings() {
        for (size_t i = 0; i < kKeys.size(); ++i) {
            before_[i] = store_.Get(kAppName, kSettingsSection, kKeys[i], kAbsent);
        }
    }
    ~OwnSettings() {
        for (size_t i = 0; i < kKeys.size(); ++i) {
            if (before_[i] == kAbsent) {
                store_.Delete(kAppName, kSettingsSection, kKeys[i]);
            } else {
                store_.Save(kAppName, kSettingsSection, kKeys[i], before_[i]);
            }
        }
    }
    OwnSettings(const OwnSettings&) = delete;
    OwnSettings& operator=(const OwnSettings&) = delete;

    void save(const char* key, const std::string& value) { store_.Save(kAppName, kSettingsSection, key, value); }
    std::string get(const char* key) const { return store_.Get(kAppName, kSettingsSection, key, kAbsent); }

private:
    static constexpr const char* kAbsent = "(absent)";
    win32::RegistrySettingsStore store_;
    std::array<std::string, kKeys.size()> before_;
};

class Setup : public ::testing::Test {
protected:
    Setup() { removeInstallation(); }
    ~Setup() override { removeInstallation(); }

    /// Runs the installer silently into the test's folder, which /D= takes unquoted, spaces and all.
    std::optional<unsigned long> install() const { return runToEnd(kSetup + " /S /D=" + folder_, kRunTime); }
    /// Runs it silently without naming a folder, as a deployment that upgrades may.
    std::optional<unsigned long> installWhereInstalled() const { return runToEnd(kSetup + " /S", kRunTime); }

    /// Runs the uninstaller of the test's folder and waits until its copy has finished.
    void uninstall(const std::string& options) const {
        ASSERT_EQ(runToEnd("\"" + file("Uninstall.exe") + "\" /S" + options, kRunTime), 0UL);
        ASSERT_TRUE(waitFor([&] { return !entryExists() && !fs::exists(file("Uninstall.exe")); }, kUninstallTime));
    }

    /// The folder the tests install into: spaces in its name, as in "Program Files".
    const std::string& folder() const { return folder_; }
    /// A path in the installation as the programs join it.
    std::string file(const std::string& name) const { return joinPath(folder_, name); }
    std::string settings() const { return defaultListPath(folder_); }
    std::string usersFile() const { return defaultUsersPath(folder_); }
    std::string fieldFile() const { return fieldSettingsPath(settings(), "Sales", "22"); }
    static std::string startMenu() { return joinPath(specialFolder(CSIDL_COMMON_PROGRAMS), "Corvane"); }
    static std::string startMenu(const std::string& entry) { return joinPath(startMenu(), entry); }
    static std::string defaultFolder() { return joinPath(specialFolder(CSIDL_PROGRAM_FILES), "Corvane"); }

    void leaveSettings() const {
        writeBytes(usersFile(), kUsersFile);
        writeBytes(fieldFile(), kFieldFile);
    }

    static inline const std::string kSetup = CORVANE_SETUP;
    static inline const std::string kPrograms = CORVANE_PROGRAMS;
    static inline const std::string kManual = CORVANE_MANUAL;

private:
    void removeInstallation() const {
        removeEntry();
        fs::remove_all(fs::path(folder_).parent_path());
        fs::remove_all(startMenu());
        fs::remove_all(defaultFolder());
    }

    forms::win32::OleSession ole_; // shortcuts are read through COM
    std::string folder_ = R"(C:\Corvane Setup Test\Corvane Programs)";
};

TEST_F(Setup, SilentInstallPutsEveryFileWhereTheProgramsLookForIt) {
    ASSERT_EQ(install(), 0UL);
    for (const char* program : {"Corvane.exe", "CorvaneEditMode.exe"}) {
        EXPECT_EQ(readBytes(file(program)), readBytes(joinPath(kPrograms, program))) << program;
    }
    // The launcher that Integrate with ACT! creates names both icons beside Corvane.exe.
    for (const char* icon : {"Corvane.ico", "Corvane32.ico"}) {
        EXPECT_EQ(readBytes(file(icon)), readBytes(joinPath(kPrograms, icon))) << icon;
    }
    // Help > Owners Manual opens it in the program's folder.
    EXPECT_EQ(readBytes(file(admin::kManualFileName)), readBytes(kManual));
    EXPECT_TRUE(fs::is_directory(settings()));
    EXPECT_TRUE(fs::is_empty(settings()));
    EXPECT_EQ(shortcutTarget(startMenu("Corvane.lnk")), file("Corvane.exe"));
    EXPECT_EQ(shortcutTarget(startMenu("Corvane User Manual.lnk")), file(admin::kManualFileName));
}

TEST_F(Setup, UninstallEntryCarriesNameVersionPublisherAndSize) {
    ASSERT_EQ(install(), 0UL);
    EXPECT_EQ(entryText("DisplayName"), "Corvane");
    EXPECT_EQ(entryText("DisplayVersion"), CORVANE_VERSION);
    EXPECT_EQ(entryText("Publisher"), "Corvane");
    EXPECT_EQ(entryText("InstallLocation"), folder());
    EXPECT_EQ(entryText("UninstallString"), "\"" + file("Uninstall.exe") + "\"");
    EXPECT_EQ(entryText("QuietUninstallString"), "\"" + file("Uninstall.exe") + "\" /S");
    // Windows shows the size in KB: that of the program folder's files.
    uintmax_t bytes = 0;
    for (const auto& entry : fs::directory_iterator(folder())) {
        bytes += entry.is_regular_file() ? entry.file_size() : 0;
    }
    const auto size = entryNumber("EstimatedSize");
    ASSERT_TRUE(size.has_value());
    EXPECT_NEAR(static_cast<double>(*size), static_cast<double>(bytes) / 1024, 1.0);
}

TEST_F(Setup, InstallingOverKeepsTheSettingsAndEachUsersOwnSettings) {
    OwnSettings own;
    ASSERT_EQ(install(), 0UL);
    leaveSettings();
    own.save("ListPath", R"(\\server\acme\Corvane)");
    own.save("Top", "1200");
    ASSERT_EQ(install(), 0UL);
    EXPECT_TRUE(holds(usersFile(), kUsersFile));
    EXPECT_TRUE(holds(fieldFile(), kFieldFile));
    // Without /D= the upgrade goes where the installed version is, to the Settings folder in use.
    writeBytes(file("Corvane.exe"), "older");
    ASSERT_EQ(installWhereInstalled(), 0UL);
    EXPECT_EQ(readBytes(file("Corvane.exe")), readBytes(joinPath(kPrograms, "Corvane.exe")));
    EXPECT_FALSE(fs::exists(defaultFolder()));
    EXPECT_TRUE(holds(usersFile(), kUsersFile));
    EXPECT_TRUE(holds(fieldFile(), kFieldFile));
    EXPECT_EQ(own.get("ListPath"), R"(\\server\acme\Corvane)");
    EXPECT_EQ(own.get("Top"), "1200");
}

TEST_F(Setup, InstallingOverARunningProgramFailsAndSaysSo) {
    ASSERT_EQ(install(), 0UL);
    writeBytes(file("Corvane.exe"), "older");
    {
        // As Windows holds a running program's file: no other process may write it.
        const forms::win32::KernelHandle running(
            CreateFileA(file("Corvane.exe").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_NE(running.get(), INVALID_HANDLE_VALUE);
        EXPECT_EQ(install(), kAbortedByScript);
    }
    EXPECT_EQ(readBytes(file("Corvane.exe")), "older");
}

TEST_F(Setup, UninstallRemovesTheProgramsAndKeepsTheSettings) {
    OwnSettings own;
    ASSERT_EQ(install(), 0UL);
    leaveSettings();
    own.save("UsersPath", usersFile());
    uninstall("");
    for (const char* installed :
         {"Corvane.exe", "CorvaneEditMode.exe", "Corvane.ico", "Corvane32.ico", admin::kManualFileName}) {
        EXPECT_FALSE(fs::exists(file(installed))) << installed;
    }
    EXPECT_FALSE(fs::exists(startMenu()));
    EXPECT_TRUE(holds(usersFile(), kUsersFile));
    EXPECT_TRUE(holds(fieldFile(), kFieldFile));
    EXPECT_EQ(own.get("UsersPath"), usersFile());
}

TEST_F(Setup, UninstallWithRemoveSettingsTakesTheSettingsFolderToo) {
    ASSERT_EQ(install(), 0UL);
    leaveSettings();
    uninstall(" /RemoveSettings");
    EXPECT_TRUE(waitFor([&] { return !fs::exists(folder()); }, kUninstallTime));
}

// Wine keeps no access lists on files, so what the installer grants on the Settings folder is read
// from the script and checked with Windows' own reading of it.
TEST(SetupSettingsFolder, GrantsEveryUserTheRightToChangeItsFilesButNotItsPermissions) {
    std::ifstream script(CORVANE_SETUP_SCRIPT);
    const std::string text{std::istreambuf_iterator<char>(script), {}};
    std::smatch acl;
    ASSERT_TRUE(std::regex_search(text, acl, std::regex(R"re(!define SETTINGS_ACL "([^"]+)")re")));
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA(acl[1].str().c_str(), SDDL_REVISION_1, &descriptor,
                                                                     nullptr));
    BOOL present = FALSE;
    BOOL defaulted = FALSE;
    PACL dacl = nullptr;
    ASSERT_TRUE(GetSecurityDescriptorDacl(descriptor, &present, &dacl, &defaulted));
    ASSERT_EQ(dacl->AceCount, 1);
    void* ace = nullptr;
    ASSERT_TRUE(GetAce(dacl, 0, &ace));
    const auto& allowed = *static_cast<ACCESS_ALLOWED_ACE*>(ace);
    EXPECT_EQ(allowed.Header.AceType, ACCESS_ALLOWED_ACE_TYPE);
    EXPECT_EQ(allowed.Header.AceFlags, OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE);
    const DWORD change = FILE_GENERIC_READ | FILE_GENERIC_WRITE | DELETE;
    EXPECT_EQ(allowed.Mask & change, change) << "a replace writes a new file and deletes the old one";
    EXPECT_EQ(allowed.Mask & (WRITE_DAC | WRITE_OWNER), 0U);
    std::array<BYTE, SECURITY_MAX_SID_SIZE> users{};
    auto size = static_cast<DWORD>(users.size());
    ASSERT_TRUE(CreateWellKnownSid(WinBuiltinUsersSid, nullptr, users.data(), &size));
    EXPECT_TRUE(EqualSid(const_cast<DWORD*>(&allowed.SidStart), users.data()));
    LocalFree(descriptor);
}

} // namespace
} // namespace corvane::test

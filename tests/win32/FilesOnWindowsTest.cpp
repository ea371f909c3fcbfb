#include "common/FieldSettingsFile.h"
#include "common/FileIo.h"
#include "common/IniLib.h"
#include "common/Module1.h"
#include "common/Paths.h"
#include "common/RuntimeError.h"
#include "platform/win32/files/FileHandle.h"
#include "tests/support/RecordingErrorSink.h"
#include "tests/support/TempDir.h"
#include "tests/support/VbErrorOf.h"
#include "tests/support/WaitFor.h"
#include "tests/win32/UncFolder.h"
#include "tests/win32/WideFiles.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <thread>

namespace corvane {
namespace {

using test::entriesIn;
using test::existsWide;
using test::vbErrorOf;
using test::widen;
using namespace std::chrono_literals;

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Everything the programs do with their files, in one settings folder named by its ANSI path, checked
// through the wide functions on the folder as Windows names it.
void expectTheProgramsFilesWorkIn(const std::string& folder, const std::wstring& wideFolder) {
    SCOPED_TRACE(folder);
    test::RecordingErrorSink sink;
    ErrorReporter errors("Corvane", sink);
    const std::string users = joinPath(folder, "Users.dat");
    EXPECT_TRUE(Module1::FileExists(folder, errors));
    EXPECT_FALSE(Module1::FileExists(users, errors));
    EXPECT_EQ(IniLib::GetKeyValue("Caf\xE9", "GlobalF", "dflt", "", "", users, errors), "dflt");

    IniLib::WriteKeyValue("Caf\xE9", "GlobalF", "AA\x80", users);
    IniLib::WriteKeyValue("Caf\xE9", "12F", "BB", users);
    EXPECT_EQ(IniLib::GetKeyValue("CAF\xC9", "globalf", "", "", "", users, errors), "AA\x80");
    EXPECT_TRUE(Module1::FileExists(users, errors));

    const std::string field = fieldSettingsPath(folder, Module1::genericNameOf("C:\\ACT\\Caf\xE9.dbf"), "12");
    writeFieldSettingsFile(field, {1, 0, {"Red", "Cr\xE8me"}});
    FieldSettingsReader reader(field);
    EXPECT_EQ(reader.nextLine(), "OnlyFromDropdown=1");
    EXPECT_EQ(reader.nextLine(), "AllowEditing=0");
    EXPECT_EQ(reader.nextLine(), "Red");
    EXPECT_EQ(reader.nextLine(), "Cr\xE8me");
    EXPECT_TRUE(existsWide(wideFolder + L"\\Caf\u00E912.dat"));
    EXPECT_TRUE(existsWide(wideFolder + L"\\Users.dat"));
    EXPECT_EQ(entriesIn(wideFolder), 2u) << "a temporary file was left";

    deleteFileIfPossible(field);
    EXPECT_FALSE(pathExists(field));
    EXPECT_EQ(readFileIfPresent(field), std::nullopt);
    EXPECT_EQ(vbErrorOf([&] { readWholeFile(field); }), vberr::FileNotFound);
    const std::string absentFolder = joinPath(folder, "Absent");
    EXPECT_EQ(vbErrorOf([&] { readWholeFile(joinPath(absentFolder, "Users.dat")); }), vberr::PathNotFound);
    EXPECT_EQ(vbErrorOf([&] { replaceFile(joinPath(absentFolder, "Users.dat"), "x"); }), vberr::PathNotFound);
    EXPECT_FALSE(existsWide(wideFolder + L"\\Absent"));
    EXPECT_TRUE(sink.shown.empty());
}

class FilesOnWindows : public ::testing::Test {
protected:
    // The standard library cannot remove paths over 260 characters here.
    ~FilesOnWindows() override { test::removeTree(widen(base)); }

    test::TempDir dir;
    std::string base = dir.path().string();
};

TEST_F(FilesOnWindows, AnAccentedDatabaseNameNamesItsFieldSettingsFileInTheAnsiCodePage) {
    test::makeFolders(widen(base + "\\Settings"));
    expectTheProgramsFilesWorkIn(base + "\\Settings", widen(base + "\\Settings"));
}

TEST_F(FilesOnWindows, ASettingsFolderNamedWithTheEuroSign) {
    test::makeFolders(widen(base) + L"\\Settings \u20AC");
    expectTheProgramsFilesWorkIn(base + "\\Settings \x80", widen(base) + L"\\Settings \u20AC");
}

// The field settings file's path is 240 characters long, its temporary file's over 260.
TEST_F(FilesOnWindows, APathOver200Characters) {
    const std::string folder = test::makeDeepFolder(base, 240 - 12); // then "\Caf\xE912.dat"
    expectTheProgramsFilesWorkIn(folder, widen(folder));
}

TEST_F(FilesOnWindows, APathOver260Characters) {
    const std::string folder = test::makeDeepFolder(base, 300);
    expectTheProgramsFilesWorkIn(folder, widen(folder));
}

TEST(FilesOnAShare, AUncPathAndOneOver260Characters) {
    test::UncFolder share;
    if (share.path().empty()) {
        GTEST_SKIP() << "no UNC share to be had";
    }
    test::makeFolders(widen(share.path() + "\\Settings"));
    expectTheProgramsFilesWorkIn(share.path() + "\\Settings", widen(share.path() + "\\Settings"));
    const std::string deep = test::makeDeepFolder(share.path(), 300);
    expectTheProgramsFilesWorkIn(deep, widen(deep));
    EXPECT_FALSE(pathExists(share.path() + "-absent\\Settings")); // a missing share
    EXPECT_EQ(readFileIfPresent(share.path() + "-absent\\Settings\\Users.dat"), std::nullopt);
}

// A drive that is not there, a name Windows refuses: nothing is there, and nothing can be written.
TEST_F(FilesOnWindows, PathsThatCannotExistAreMissingNotUnreadable) {
    const DWORD drives = GetLogicalDrives();
    char unused = 'Z';
    while (unused > 'D' && (drives & (1u << (unused - 'A'))) != 0) {
        --unused;
    }
    for (const std::string& path : {std::string(1, unused) + ":\\Settings\\Users.dat", base + "\\Us<e>rs.dat"}) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(pathExists(path));
        EXPECT_EQ(readFileIfPresent(path), std::nullopt);
        EXPECT_EQ(vbErrorOf([&] { replaceFile(path, "x"); }), vberr::PathNotFound);
    }
}

os::FileHandle openShared(const std::string& path, DWORD share) {
    return os::FileHandle(
        CreateFileA(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

// Whether a writer's temporary file lies beside `file` and the writer has closed it: it is then at
// the rename that another program's handle holds up.
bool writerIsAtTheRename(const std::string& file) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((file + ".*.tmp").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return false;
    }
    FindClose(search);
    const std::string folder = file.substr(0, file.find_last_of('\\') + 1);
    return openShared(folder + found.cFileName, kShareAll).get() != INVALID_HANDLE_VALUE;
}

// Another program holds the users file open, sharing it as our readers do or not: a writer waits for
// it to let go and then replaces the file.
class HeldFile : public FilesOnWindows, public ::testing::WithParamInterface<DWORD> {};

TEST_P(HeldFile, AReplaceWaitsUntilTheHolderLetsGo) {
    const std::string users = base + "\\Users.dat";
    test::writeBytes(users, "old");
    os::FileHandle holder = openShared(users, GetParam());
    ASSERT_NE(holder.get(), INVALID_HANDLE_VALUE);
    const std::jthread releaser([&] {
        test::waitFor([&] { return writerIsAtTheRename(users); });
        holder.close();
    });
    replaceFile(users, "new");
    EXPECT_EQ(test::readBytes(users), "new");
    EXPECT_EQ(entriesIn(widen(base)), 1u);
}

INSTANTIATE_TEST_SUITE_P(ShareModes, HeldFile, ::testing::Values(FILE_SHARE_READ, kShareAll));

TEST_F(FilesOnWindows, AReplaceThatIsHeldUpTooLongFailsAndLeavesTheOldFile) {
    const std::string users = base + "\\Users.dat";
    test::writeBytes(users, "old");
    const os::FileHandle holder = openShared(users, kShareAll);
    EXPECT_EQ(vbErrorOf([&] { replaceFile(users, "new"); }), vberr::PathFileAccessError);
    EXPECT_EQ(test::readBytes(users), "old");
    EXPECT_EQ(entriesIn(widen(base)), 1u);
}

// A users file that another program keeps to itself is there but cannot be read: it must never
// count as missing, which would give everyone full rights.
TEST_F(FilesOnWindows, AFileHeldExclusivelyIsUnreadableNotMissing) {
    const std::string users = base + "\\Users.dat";
    test::writeBytes(users, "[Sales]\r\nGlobalF=AA\r\n");
    const os::FileHandle holder = openShared(users, 0);
    test::RecordingErrorSink sink;
    ErrorReporter errors("CorvaneEditMode", sink);
    EXPECT_TRUE(Module1::FileExists(users, errors));
    EXPECT_THROW(IniLib::GetKeyValue("Sales", "GlobalF", "", "", "", users, errors), ReportedFailure);
    EXPECT_EQ(sink.headlines(), std::vector<std::string>{"Error 75: 'Path/File access error'\rin IniLib: Function "
                                                         "GetKeyValue - Line # 10"});
}

} // namespace
} // namespace corvane

#include "common/FileIo.h"

#include "common/Paths.h"
#include "common/RuntimeError.h"
#include "tests/support/TempDir.h"
#include "tests/support/VbErrorOf.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace corvane {
namespace {

using test::vbErrorOf;

size_t entriesIn(const std::filesystem::path& folder) {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

TEST(AtomicFile, ReplacesTheWholeFile) {
    test::TempDir dir;
    const std::string file = dir.file("Sales12.dat");
    test::writeBytes(file, "old content that is longer");
    replaceFile(file, "new");
    EXPECT_EQ(test::readBytes(file), "new");
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

TEST(AtomicFile, AWriterThatFailsBeforeCommitLeavesTheOldFileAndNoTemporary) {
    test::TempDir dir;
    const std::string file = dir.file("Users.dat");
    test::writeBytes(file, "[Sales]\r\nGlobalF=AA\r\n");
    {
        AtomicFile writer(file);
        writer.write("[Sales]\r\nGlo");
        EXPECT_EQ(entriesIn(dir.path()), 2u); // the temporary lies beside its target
    }
    EXPECT_EQ(test::readBytes(file), "[Sales]\r\nGlobalF=AA\r\n");
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

TEST(AtomicFile, ARenameThatFailsLeavesNoTemporaryAndEndsTheWriter) {
    test::TempDir dir;
    const std::string folder = dir.file("Sales12.dat");
    std::filesystem::create_directory(folder); // a folder stands where the file should go
    AtomicFile writer(folder);
    writer.write("x");
    EXPECT_EQ(vbErrorOf([&] { writer.commit(); }), vberr::PathFileAccessError);
    EXPECT_EQ(vbErrorOf([&] { writer.write("y"); }), vberr::DeviceIoError);
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

// The child must write the parent's file: a forked child does, while one that runs the test again
// from the start (the only kind on Windows) makes and writes a folder of its own. tests/win32 kills a
// real writer process there.
TEST(AtomicFileDeathTest, AWriterKilledMidWriteLeavesTheOldFileIntact) {
#ifdef _WIN32
    GTEST_SKIP() << "death tests cannot fork here";
#endif
    GTEST_FLAG_SET(death_test_style, "fast");
    test::TempDir dir;
    const std::string file = dir.file("Users.dat");
    test::writeBytes(file, "[Sales]\r\nGlobalF=AA\r\n");
    EXPECT_EXIT(
        {
            AtomicFile writer(file);
            writer.write(std::string(1 << 20, 'x'));
            std::_Exit(9); // dies before commit, as a killed process would
        },
        ::testing::ExitedWithCode(9), "");
    EXPECT_EQ(test::readBytes(file), "[Sales]\r\nGlobalF=AA\r\n");
}

TEST(AtomicFile, AMissingFolderIsPathNotFoundAndIsNotCreated) {
    test::TempDir dir;
    EXPECT_EQ(vbErrorOf([&] { replaceFile(joinPath(dir.file("absent"), "Users.dat"), "x"); }), vberr::PathNotFound);
    EXPECT_FALSE(std::filesystem::exists(dir.file("absent")));
}

TEST(ReadWholeFile, TellsAMissingFileFromAMissingFolderAndAFolder) {
    test::TempDir dir;
    test::writeBytes(dir.file("Users.dat"), std::string("a\0b\r\n", 5));
    EXPECT_EQ(readWholeFile(dir.file("Users.dat")), std::string("a\0b\r\n", 5));
    EXPECT_EQ(vbErrorOf([&] { readWholeFile(dir.file("Absent.dat")); }), vberr::FileNotFound);
    EXPECT_EQ(vbErrorOf([&] { readWholeFile(joinPath(dir.file("Absent"), "Users.dat")); }), vberr::PathNotFound);
    EXPECT_EQ(vbErrorOf([&] { readWholeFile(dir.path().string()); }), vberr::PathFileAccessError);
}

TEST(ReadFileIfPresent, IsEmptyForAMissingFileOrFolderButFailsForAFolderInItsPlace) {
    test::TempDir dir;
    EXPECT_EQ(readFileIfPresent(dir.file("Absent.dat")), std::nullopt);
    EXPECT_EQ(readFileIfPresent(joinPath(dir.file("Absent"), "Users.dat")), std::nullopt);
    EXPECT_EQ(vbErrorOf([&] { readFileIfPresent(dir.path().string()); }), vberr::PathFileAccessError);
}

TEST(PathExists, IsTrueForFilesAndFoldersAndFalseForPathsThatNameNothing) {
    test::TempDir dir;
    test::writeBytes(dir.file("Users.dat"), "");
    EXPECT_TRUE(pathExists(dir.file("Users.dat")));
    EXPECT_TRUE(pathExists(dir.path().string()));
    EXPECT_FALSE(pathExists(dir.file("Absent.dat")));
    EXPECT_FALSE(pathExists(joinPath(dir.file("Absent"), "Users.dat")));
    EXPECT_FALSE(pathExists(joinPath(dir.file("Users.dat"), "Users.dat"))); // a file on the way
    EXPECT_FALSE(pathExists(""));
}

TEST(DeleteFileIfPossible, DeletesAFileAndLeavesEverythingElseSilently) {
    test::TempDir dir;
    test::writeBytes(dir.file("Sales12.dat"), "x");
    std::filesystem::create_directory(dir.file("Settings"));
    deleteFileIfPossible(dir.file("Sales12.dat"));
    deleteFileIfPossible(dir.file("Sales12.dat"));
    deleteFileIfPossible(dir.file("Settings"));
    deleteFileIfPossible(joinPath(dir.file("Absent"), "Sales12.dat"));
    EXPECT_FALSE(std::filesystem::exists(dir.file("Sales12.dat")));
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("Settings")));
}

} // namespace
} // namespace corvane

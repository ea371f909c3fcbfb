#include "common/FileIo.h"

#include "common/RuntimeError.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace corvane {
namespace {

TEST(AtomicFile, ReplacesTheWholeFile) {
    test::TempDir dir;
    const std::string file = dir.file("Sales12.dat");
    test::writeBytes(file, "old content that is longer");
    replaceFile(file, "new");
    EXPECT_EQ(test::readBytes(file), "new");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(AtomicFile, AWriterThatFailsBeforeCommitLeavesTheOldFileAndNoTemporary) {
    test::TempDir dir;
    const std::string file = dir.file("Users.dat");
    test::writeBytes(file, "[Sales]\r\nGlobalF=AA\r\n");
    {
        AtomicFile writer(file);
        writer.write("[Sales]\r\nGlo");
    }
    EXPECT_EQ(test::readBytes(file), "[Sales]\r\nGlobalF=AA\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(AtomicFileDeathTest, AWriterKilledMidWriteLeavesTheOldFileIntact) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
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
    try {
        replaceFile(dir.file("absent") + "/Users.dat", "x");
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), vberr::PathNotFound);
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("absent")));
}

} // namespace
} // namespace corvane

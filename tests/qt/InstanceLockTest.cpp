#include "platform/qt/InstanceLock.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <optional>

namespace corvane::forms::qt {
namespace {

TEST(InstanceLock, SecondCopyOfAProgramFindsTheFirstRunning) {
    test::TempDir folder;
    std::optional<InstanceLock> first;
    first.emplace(folder.path().string(), "Corvane");
    EXPECT_FALSE(first->anotherCopyRunning());

    InstanceLock second(folder.path().string(), "Corvane");
    EXPECT_TRUE(second.anotherCopyRunning());
    InstanceLock otherProgram(folder.path().string(), "CorvaneEditMode");
    EXPECT_FALSE(otherProgram.anotherCopyRunning());

    first.reset();
    InstanceLock afterwards(folder.path().string(), "Corvane");
    EXPECT_FALSE(afterwards.anotherCopyRunning());
}

TEST(InstanceLock, FolderWithoutRoomForTheLockLetsTheProgramStart) {
    test::TempDir folder;
    InstanceLock lock(folder.file("missing"), "Corvane");
    EXPECT_FALSE(lock.anotherCopyRunning());
    InstanceLock again(folder.file("missing"), "Corvane");
    EXPECT_FALSE(again.anotherCopyRunning());
}

} // namespace
} // namespace corvane::forms::qt

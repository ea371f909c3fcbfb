// What a replaced settings file keeps of the file it replaces on POSIX systems, and the files that
// are not read at all.
#include "common/FileIo.h"
#include "common/IniLib.h"
#include "common/RuntimeError.h"
#include "tests/reliability/Leftovers.h"
#include "tests/support/TempDir.h"
#include "tests/support/VbErrorOf.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <future>

namespace corvane {
namespace {

using test::vbErrorOf;
namespace fs = std::filesystem;

struct stat statusOf(const std::string& path) {
    struct stat status {};
    EXPECT_EQ(::lstat(path.c_str(), &status), 0) << path;
    return status;
}

// Sets the process's umask for one test: every replace used to give the new file 0666 less it.
class ScopedUmask {
public:
    explicit ScopedUmask(mode_t mask) : saved_(::umask(mask)) {}
    ~ScopedUmask() { ::umask(saved_); }
    ScopedUmask(const ScopedUmask&) = delete;
    ScopedUmask& operator=(const ScopedUmask&) = delete;

private:
    mode_t saved_;
};

TEST(FileIdentity, AReplacedFileKeepsItsPermissions) {
    const ScopedUmask umask(022);
    test::TempDir dir;
    for (const mode_t mode : {mode_t{0600}, mode_t{0664}, mode_t{0640}, mode_t{0666}}) {
        const std::string file = dir.file("Users" + std::to_string(mode) + ".dat");
        test::writeBytes(file, "old");
        ASSERT_EQ(::chmod(file.c_str(), mode), 0);
        replaceFile(file, "new");
        EXPECT_EQ(statusOf(file).st_mode & 07777, mode) << std::oct << mode;
        EXPECT_EQ(test::readBytes(file), "new");
    }
    replaceFile(dir.file("New.dat"), "a new file is made as any other");
    EXPECT_EQ(statusOf(dir.file("New.dat")).st_mode & 07777, 0644u);
}

TEST(FileIdentity, AReplacedFileKeepsItsOwnerAndGroup) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only the superuser may give a file to another owner";
    }
    test::TempDir dir;
    const std::string file = dir.file("Users.dat");
    test::writeBytes(file, "old");
    ASSERT_EQ(::chown(file.c_str(), 4321, 8765), 0);
    ASSERT_EQ(::chmod(file.c_str(), 0660), 0);
    IniLib::WriteKeyValue("Sales", "GlobalF", "AA", file);
    const struct stat status = statusOf(file);
    EXPECT_EQ(status.st_uid, 4321u);
    EXPECT_EQ(status.st_gid, 8765u);
    EXPECT_EQ(status.st_mode & 07777, 0660u);
}

// A settings file that is a link to a shared file: the shared file changes, the link stays a link.
TEST(FileIdentity, AWriteGoesThroughSymbolicLinksToTheFileTheyLeadTo) {
    test::TempDir dir;
    fs::create_directory(dir.file("shared"));
    fs::create_directory(dir.file("settings"));
    const std::string shared = dir.file("shared/Users.dat");
    test::writeBytes(shared, "[Sales]\r\nGlobalF=AA\r\n");
    fs::create_symlink("../shared/Users.dat", dir.file("settings/Hop.dat"));
    fs::create_symlink("Hop.dat", dir.file("settings/Users.dat")); // a chain of two links
    IniLib::WriteKeyValue("Sales", "GlobalI", "BB", dir.file("settings/Users.dat"));
    EXPECT_EQ(test::readBytes(shared), "[Sales]\r\nGlobalF=AA\r\nGlobalI=BB\r\n");
    EXPECT_TRUE(fs::is_symlink(dir.file("settings/Users.dat")));
    EXPECT_TRUE(fs::is_symlink(dir.file("settings/Hop.dat")));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.file("shared")), {}), 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.file("settings")), {}), 2);

    fs::create_symlink("Loop2.dat", dir.file("settings/Loop1.dat"));
    fs::create_symlink("Loop1.dat", dir.file("settings/Loop2.dat"));
    EXPECT_EQ(vbErrorOf([&] { replaceFile(dir.file("settings/Loop1.dat"), "x"); }), vberr::PathFileAccessError);
}

// The trigger opens settings files at start-up: a named pipe in a file's place must not stop it.
TEST(FileIdentity, ANamedPipeIsNoFileToReadAndReadingItNeverWaits) {
    test::TempDir dir;
    const std::string pipe = dir.file("Users.dat");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0666), 0);
    auto read = std::async(std::launch::async, [&] { return vbErrorOf([&] { readWholeFile(pipe); }); });
    if (read.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        // Release the reader that waits for a writer, so that the test ends.
        const int writer = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
        ::close(writer);
        ADD_FAILURE() << "reading a named pipe waited for a writer";
    }
    EXPECT_EQ(read.get(), vberr::PathFileAccessError);
    EXPECT_EQ(vbErrorOf([&] { IniLib::WriteKeyValue("Sales", "GlobalF", "AA", pipe); }), vberr::PathFileAccessError);
    EXPECT_EQ(vbErrorOf([&] { readWholeFile("/dev/zero"); }), vberr::PathFileAccessError);
    EXPECT_EQ(test::leftoversOf(pipe).locks, 0);
}

} // namespace
} // namespace corvane

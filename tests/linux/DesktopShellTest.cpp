#include "platform/linux/DesktopShell.h"

#include "tests/support/TempDir.h"
#include "tests/support/WaitFor.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

using corvane::forms::ShellRequest;
using corvane::platform::linux_desktop::DesktopShell;

namespace {

// A program that notes its arguments in a file, standing in for actsim or the desktop's opener.
std::string recorder(const corvane::test::TempDir& dir, const std::string& name) {
    const std::string program = dir.file(name);
    corvane::test::writeBytes(program, "#!/bin/sh\necho \"$@\" > \"$0.args\"\n");
    ::chmod(program.c_str(), 0755);
    return program;
}

// The started program runs detached: wait for its whole note.
std::string argumentsOf(const std::string& program) {
    const std::string note = program + ".args";
    const bool noted = corvane::test::waitFor(
        [&] { return std::filesystem::exists(note) && corvane::test::readBytes(note).ends_with('\n'); });
    return noted ? corvane::test::readBytes(note) : std::string();
}

ShellRequest open(std::string file, std::string directory = {}) {
    return ShellRequest{0, "open", std::move(file), "", std::move(directory), corvane::forms::SW_SHOW};
}

} // namespace

TEST(DesktopShell, DatabaseStartsActsimAndAnythingElseGoesToTheOpener) {
    corvane::test::TempDir dir;
    DesktopShell shell(recorder(dir, "actsim"), recorder(dir, "opener"));
    corvane::test::writeBytes(dir.file("Sales.DBF"), "");
    corvane::test::writeBytes(dir.file("Manual.pdf"), "");

    EXPECT_EQ(shell.ShellExecuteA(open(dir.file("Sales.DBF"))), DesktopShell::kStarted);
    EXPECT_EQ(argumentsOf(dir.file("actsim")), dir.file("Sales.DBF") + "\n");
    EXPECT_EQ(shell.ShellExecuteA(open("Manual.pdf", dir.path().string())), DesktopShell::kStarted);
    EXPECT_EQ(argumentsOf(dir.file("opener")), dir.file("Manual.pdf") + "\n");
}

TEST(DesktopShell, AddressesPassAsTheyAreAndMissingFilesAreReported) {
    corvane::test::TempDir dir;
    DesktopShell shell(recorder(dir, "actsim"), recorder(dir, "opener"));
    EXPECT_EQ(shell.ShellExecuteA(open("https://example.com/help", "/nowhere")), DesktopShell::kStarted);
    EXPECT_EQ(argumentsOf(dir.file("opener")), "https://example.com/help\n");

    EXPECT_EQ(shell.ShellExecuteA(open(dir.file("Gone.dbf"))), DesktopShell::kFileNotFound);
    EXPECT_EQ(shell.ShellExecuteA(ShellRequest{0, "print", dir.file("actsim"), "", "", 5}),
              DesktopShell::kNoAssociation);
    EXPECT_FALSE(std::filesystem::exists(dir.file("actsim.args")));
}

TEST(DesktopShell, ProgramThatCannotStartIsReported) {
    corvane::test::TempDir dir;
    corvane::test::writeBytes(dir.file("Sales.dbf"), "");
    DesktopShell shell(dir.file("no-such-actsim"));
    EXPECT_EQ(shell.ShellExecuteA(open(dir.file("Sales.dbf"))), DesktopShell::kNoAssociation);
}

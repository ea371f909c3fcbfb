#include "platform/linux/ActRegistration.h"

#include "tests/support/TempDir.h"
#include "tests/support/VbErrorOf.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

using corvane::platform::linux_desktop::ActRegistration;

namespace {

// The id of a process that has ended and been reaped.
int64_t endedProcess() {
    const pid_t child = fork();
    if (child == 0) {
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return child;
}

} // namespace

TEST(ActRegistration, RunningActIsFoundUntilItWithdraws) {
    corvane::test::TempDir dir;
    const std::string database = dir.file("Sales.dbf");
    corvane::test::writeBytes(database, "");
    ActRegistration registration(dir.path().string());
    EXPECT_FALSE(registration.find());

    registration.publish(getpid(), database);
    EXPECT_EQ(registration.find(), database);

    registration.withdraw(getpid() + 1);
    EXPECT_EQ(registration.find(), database) << "another copy's withdrawal leaves the note";
    registration.withdraw(getpid());
    EXPECT_FALSE(registration.find());
}

TEST(ActRegistration, NoteOfAnEndedProcessOrAMissingDatabaseCountsAsNone) {
    corvane::test::TempDir dir;
    const std::string database = dir.file("Sales.dbf");
    corvane::test::writeBytes(database, "");
    ActRegistration registration(dir.path().string());

    registration.publish(endedProcess(), database);
    EXPECT_FALSE(registration.find());

    registration.publish(getpid(), dir.file("Gone.dbf"));
    EXPECT_FALSE(registration.find());
}

TEST(ActRegistration, MalformedNotesCountAsNone) {
    corvane::test::TempDir dir;
    const std::string database = dir.file("Sales.dbf");
    corvane::test::writeBytes(database, "");
    ActRegistration registration(dir.path().string());
    const std::string pid = std::to_string(getpid());
    for (const std::string& note : {std::string(""), pid, pid + "\n" + database, "x" + pid + "\n" + database + "\n",
                                    pid + "\n\n", "\n" + database + "\n"}) {
        corvane::test::writeBytes(registration.file(), note);
        EXPECT_FALSE(registration.find()) << note;
    }
    corvane::test::writeBytes(registration.file(), pid + "\n" + database + "\n");
    EXPECT_EQ(registration.find(), database);
}

TEST(ActRegistration, MissingFolderIsReportedAndNotCreated) {
    corvane::test::TempDir dir;
    ActRegistration registration(dir.file("missing"));
    EXPECT_EQ(corvane::test::vbErrorOf([&] { registration.publish(getpid(), "/x/Sales.dbf"); }), 76);
    EXPECT_FALSE(std::filesystem::exists(dir.file("missing")));
}

#include "common/ChangeHistory.h"

#include "common/Paths.h"
#include "common/RuntimeError.h"
#include "tests/support/TempDir.h"
#include "tests/support/VbErrorOf.h"

#include <gtest/gtest.h>

#include <filesystem>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace corvane {
namespace {

using namespace std::chrono;
using test::vbErrorOf;

HistoryRecord record(std::string before, std::string after) {
    return {sys_days{2026y / December / 7} + 6h + 19min + 38s, "K7Q2M9X1", 15, std::move(before), std::move(after)};
}

TEST(ChangeHistory, ARecordIsOneQuotedCsvLineInUtc) {
    EXPECT_EQ(ChangeHistory::formatRecord(record("Old, \"quoted\"", "New")),
              "\"2026-12-07T06:19:38Z\",\"K7Q2M9X1\",\"15\",\"Old, \"\"quoted\"\"\",\"New\"\r\n");
    EXPECT_EQ(ChangeHistory::isoTime(sys_days{1999y / January / 2} + 23h + 59min + 1s), "1999-01-02T23:59:01Z");
}

TEST(ChangeHistory, HostileValuesSurviveOnOnePhysicalLine) {
    const std::vector<std::pair<std::string, std::string>> values = {
        {"", ""},
        {"tab\there", "comma,here"},
        {"line\r\nbreak", "lone\rcr and lone\nlf"},
        {"\"\"", "\"start and end\""},
        {"back\\slash \\r not a cr", "\\"},
        {"Caf\xE9 \x80 \x9C\xFF", std::string("nul\0byte", 8)},
        {"\\n", "\\\"\\\r"},
    };
    for (const auto& [before, after] : values) {
        const std::string line = ChangeHistory::formatRecord(record(before, after));
        EXPECT_EQ(line.find_first_of("\r\n"), line.size() - 2) << line;
        const auto read = ChangeHistory::parseRecord(std::string_view(line).substr(0, line.size() - 2));
        ASSERT_TRUE(read) << line;
        EXPECT_EQ(*read, record(before, after));
    }
}

TEST(ChangeHistory, ReadingSkipsHeadersAndEmptyLinesAndCountsBadOnes) {
    const std::string good = ChangeHistory::formatRecord(record("a", "b"));
    const std::string other = ChangeHistory::formatRecord(record("b", "c"));
    const std::string bytes = std::string(ChangeHistory::kHeaderLine) + good + "\r\n" +
                              std::string(ChangeHistory::kHeaderLine) + // a second trigger started the file too
                              "\"2026-12-07T06:19:38Z\",\"torn\r\n" +   // a torn record
                              "not csv at all\r\n" + "\"2026-02-30T00:00:00Z\",\"U\",\"1\",\"\",\"\"\r\n" +
                              "\"2026-12-07T06:19:38Z\",\"U\",\"40000\",\"\",\"\"\r\n" +
                              "\"2026-12-07T06:19:38Z\",\"U\",\"1\",\"\",\"\",\"\"\r\n" +
                              "\"2026-12-07T06:19:38Z\",\"U\",\"1\",\"bad \\x escape\",\"\"\r\n" + other +
                              good.substr(0, good.size() - 2); // the last line lacks its line end
    const ChangeHistory::Content content = ChangeHistory::parse(bytes);
    ASSERT_EQ(content.records.size(), 3u);
    EXPECT_EQ(content.records[0], record("a", "b"));
    EXPECT_EQ(content.records[1], record("b", "c"));
    EXPECT_EQ(content.badLines, 6);
    EXPECT_TRUE(ChangeHistory::parse("").records.empty());
}

TEST(ChangeHistory, TheFileLiesBesideTheUsersFile) {
    EXPECT_EQ(ChangeHistory::historyPath(joinPath(joinPath("srv", "Settings"), "Users.dat"), "Sales"),
              joinPath(joinPath("srv", "Settings"), "Sales.history"));
    EXPECT_EQ(ChangeHistory::historyPath("Users.dat", "Sales"), "Sales.history");
}

TEST(ChangeHistory, AppendingStartsTheFileWithTheHeaderAndAddsWholeLines) {
    test::TempDir dir;
    const std::string file = dir.file("Sales.history");
    ChangeHistory::append(file, record("", "one"));
    ChangeHistory::append(file, record("one", "two"));
    EXPECT_EQ(test::readBytes(file), std::string(ChangeHistory::kHeaderLine) +
                                         ChangeHistory::formatRecord(record("", "one")) +
                                         ChangeHistory::formatRecord(record("one", "two")));

    test::writeBytes(file, ""); // emptied by hand: it gets its header again
    ChangeHistory::append(file, record("two", "three"));
    EXPECT_EQ(test::readBytes(file),
              std::string(ChangeHistory::kHeaderLine) + ChangeHistory::formatRecord(record("two", "three")));
}

TEST(ChangeHistory, AppendingNeverMakesAFolderAndFailsOnWhatIsNoFileInItsPlace) {
    test::TempDir dir;
    const std::string missing = joinPath(dir.file("missing"), "Sales.history");
    EXPECT_EQ(vbErrorOf([&] { ChangeHistory::append(missing, record("", "x")); }), vberr::PathNotFound);
    EXPECT_FALSE(std::filesystem::exists(dir.file("missing")));

    const std::string folder = dir.file("Sales.history");
    std::filesystem::create_directory(folder);
    EXPECT_EQ(vbErrorOf([&] { ChangeHistory::append(folder, record("", "x")); }), vberr::PathFileAccessError);
#ifndef _WIN32
    // A named pipe without a reader would hold a writer that waited for one.
    const std::string pipe = dir.file("Pipe.history");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(vbErrorOf([&] { ChangeHistory::append(pipe, record("", "x")); }), vberr::PathFileAccessError);
#endif
}

} // namespace
} // namespace corvane

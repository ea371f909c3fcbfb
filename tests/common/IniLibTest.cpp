#include "common/IniLib.h"

#include "tests/support/RecordingErrorSink.h"
#include "tests/support/TempDir.h"
#include "tests/support/VbErrorOf.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace corvane {
namespace {

using test::readBytes;
using test::writeBytes;

class IniLibTest : public ::testing::Test {
protected:
    std::string get(const std::string& path, std::string_view section, std::string_view key) {
        return IniLib::GetKeyValue(section, key, "", "", "", path, errors);
    }

    test::TempDir dir;
    std::string file = dir.file("Users.dat");
    test::RecordingErrorSink sink;
    ErrorReporter errors{"Corvane", sink};
};

TEST_F(IniLibTest, ReadsAsTheProfileFunctionsDo) {
    writeBytes(file, "[Sales]\r\nGlobalF=AAbb\r\n  globali  =   cc dd   \r\n12F=\"quoted\"\r\n13F='single'\r\n"
                     "14F=\"half\r\n15F= \"a b\" \r\n17F\r\n18F=\r\n19F=a=b\r\n20F=first\r\n20F=second\r\n"
                     ";21F=comment\r\n[ Other ]\r\nK=other\r\n[sales]\r\nOnlyInSecond=x\r\n");
    EXPECT_EQ(get(file, "SALES", "GlobalF"), "AAbb");
    EXPECT_EQ(get(file, "Sales", "GlobalI"), "cc dd");
    EXPECT_EQ(get(file, "Sales", "12F"), "quoted");
    EXPECT_EQ(get(file, "Sales", "13F"), "single");
    EXPECT_EQ(get(file, "Sales", "14F"), "\"half");
    EXPECT_EQ(get(file, "Sales", "15F"), "a b");
    EXPECT_EQ(IniLib::GetKeyValue("Sales", "17F", "dflt", "", "", file, errors), "dflt");
    EXPECT_EQ(IniLib::GetKeyValue("Sales", "18F", "dflt", "", "", file, errors), "dflt");
    EXPECT_EQ(get(file, "Sales", "19F"), "a=b");
    EXPECT_EQ(get(file, "Sales", "20F"), "first");
    EXPECT_EQ(get(file, "Sales", ";21F"), "comment");
    EXPECT_EQ(get(file, "Other", "K"), "other");
    EXPECT_EQ(get(file, "Sales", "OnlyInSecond"), "");
}

TEST_F(IniLibTest, ReadsAnyLineEndAndMissingThingsAsTheDefault) {
    writeBytes(file, "[A]\nX=lf\n[B]\rY=cr\r[C]\r\nZ=crlf");
    EXPECT_EQ(get(file, "A", "X"), "lf");
    EXPECT_EQ(get(file, "B", "Y"), "cr");
    EXPECT_EQ(get(file, "C", "Z"), "crlf");
    EXPECT_EQ(IniLib::GetKeyValue("Missing", "X", "d", "", "", file, errors), "d");
    EXPECT_EQ(IniLib::GetKeyValue("A", "X", "d", "", "", dir.file("absent.dat"), errors), "d");
}

TEST_F(IniLibTest, ReturnsValuesLongerThan126CharactersWhole) {
    const std::string ids(5000, 'u');
    IniLib::WriteKeyValue("Sales", "GlobalF", ids + "LAST", file);
    EXPECT_EQ(get(file, "Sales", "GlobalF"), ids + "LAST");
}

TEST_F(IniLibTest, LinesLongerThanASearchBlockEndAtTheirOwnLineEnd) {
    const std::string ids(9000, 'u');
    writeBytes(file, "[A]\nF=" + ids + "\nI=lf\n[B]\rF=" + ids + "\rI=cr\r");
    EXPECT_EQ(get(file, "A", "F"), ids);
    EXPECT_EQ(get(file, "A", "I"), "lf");
    EXPECT_EQ(get(file, "B", "F"), ids);
    EXPECT_EQ(get(file, "B", "I"), "cr");
}

TEST_F(IniLibTest, CheckTypesFallBackOnlyForNonNumbersAndOnlyWithAFallBack) {
    writeBytes(file, "[S]\r\nN= 12 \r\nT=abc\r\n");
    EXPECT_EQ(IniLib::GetKeyValue("S", "N", "", "Numeric", "0", file, errors), "12");
    EXPECT_EQ(IniLib::GetKeyValue("S", "T", "", "Numeric", "0", file, errors), "0");
    EXPECT_EQ(IniLib::GetKeyValue("S", "T", "", "Boolean", "-1", file, errors), "-1");
    EXPECT_EQ(IniLib::GetKeyValue("S", "T", "", "Boolean", "", file, errors), "abc");
    EXPECT_EQ(IniLib::GetKeyValue("S", "Absent", "", "Numeric", "7", file, errors), "7");
    EXPECT_EQ(IniLib::GetKeyValue("S", "T", "", "numeric", "0", file, errors), "abc");
}

TEST_F(IniLibTest, NamesMatchIgnoringCaseOfAnsiLetters) {
    writeBytes(file, "[S\xC9LECTION]\r\n\xC9t\xE9=1\r\n"); // [SÉLECTION] Été=1
    EXPECT_EQ(get(file, "s\xE9lection", "\xE9T\xC9"), "1");
}

TEST_F(IniLibTest, CreatesFileSectionAndKeyWithCrLf) {
    IniLib::WriteKeyValue("A", "K", "v", file);
    EXPECT_EQ(readBytes(file), "[A]\r\nK=v\r\n");
    IniLib::WriteKeyValue("B", "L", "  w  ", file);
    IniLib::WriteKeyValue("A", "E", "", file);
    EXPECT_EQ(readBytes(file), "[A]\r\nK=v\r\nE=\r\n[B]\r\nL=w  \r\n");
}

TEST_F(IniLibTest, ChangesOnlyTheKeysLineAndKeepsEverythingElseByteForByte) {
    const std::string before = "; header\r\n[Sales]\r\nGlobalF=AA\r\nweird line\r\n\r\n[Other]\nX=\x80\xFF\n";
    writeBytes(file, before);
    IniLib::WriteKeyValue("sales", "globalf", "ZZ", file);
    IniLib::WriteKeyValue("Sales", "12F", "AA", file);
    EXPECT_EQ(readBytes(file),
              "; header\r\n[Sales]\r\nGlobalF=ZZ\r\nweird line\r\n12F=AA\r\n\r\n[Other]\nX=\x80\xFF\n");
}

TEST_F(IniLibTest, NullValueRemovesTheKeyAndMissingKeysChangeNothing) {
    writeBytes(file, "[Sales]\r\nGlobalF=AA\r\nGlobalI=cc\r\nGlobal=old\r\n");
    IniLib::WriteKeyValue("Sales", "GlobalI", std::nullopt, file);
    IniLib::DeleteKey("Sales", "Global", file);
    IniLib::DeleteKey("Sales", "12F", file);
    IniLib::DeleteKey("Nowhere", "12F", file);
    EXPECT_EQ(readBytes(file), "[Sales]\r\nGlobalF=AA\r\n");
}

TEST_F(IniLibTest, AddsALineEndBeforeAppendingToAFileWithoutOne) {
    writeBytes(file, "[A]\r\nK=v");
    IniLib::WriteKeyValue("A", "L", "w", file);
    IniLib::WriteKeyValue("B", "M", "x", file);
    EXPECT_EQ(readBytes(file), "[A]\r\nK=v\r\nL=w\r\n[B]\r\nM=x\r\n");
}

TEST_F(IniLibTest, SectionNamesWithBracketsAndTheEmptySection) {
    IniLib::WriteKeyValue("A]x", "K", "1", file);
    EXPECT_EQ(get(file, "A]x", "K"), "1");
    writeBytes(file, "Top=t\r\n[A]\r\nK=v\r\n");
    EXPECT_EQ(get(file, "", "Top"), "t");
    IniLib::WriteKeyValue("", "Second", "s", file);
    EXPECT_EQ(readBytes(file), "Top=t\r\nSecond=s\r\n[A]\r\nK=v\r\n");
}

TEST_F(IniLibTest, WriteIntoAMissingFolderFailsAndCreatesNothing) {
    const std::string missing = dir.file("NoSuchFolder") + "/Users.dat";
    EXPECT_EQ(test::vbErrorOf([&] { IniLib::WriteKeyValue("Sales", "GlobalF", "AA", missing); }), vberr::PathNotFound);
    EXPECT_FALSE(std::filesystem::exists(dir.file("NoSuchFolder")));
    EXPECT_EQ(get(missing, "Sales", "GlobalF"), "");
    EXPECT_TRUE(sink.shown.empty());
}

TEST_F(IniLibTest, AFileThatCannotBeReadIsReportedOnReadingAndNeverReplacedOnWriting) {
    std::filesystem::create_directory(file); // a folder stands where the users file should be
    EXPECT_THROW(get(file, "Sales", "GlobalF"), ReportedFailure);
    EXPECT_EQ(sink.headlines(), std::vector<std::string>{"Error 75: 'Path/File access error'\rin IniLib: Function "
                                                         "GetKeyValue - Line # 10"});
    EXPECT_EQ(test::vbErrorOf([&] { IniLib::WriteKeyValue("Sales", "GlobalF", "AA", file); }),
              vberr::PathFileAccessError);
    EXPECT_TRUE(std::filesystem::is_directory(file));
}

// The profile functions read a Unicode users file; this engine would misread it and a write would
// add an ANSI section to it. Reading fails as an unreadable file does, and writing changes no byte.
TEST_F(IniLibTest, AUnicodeFileIsNeitherMisreadNorRewritten) {
    const std::string utf16le("\xFF\xFE[\0S\0]\0\r\0\n\0K\0=\0v\0\r\0\n\0", 20);
    const std::string utf16be("\xFE\xFF\0[\0S\0]\0\r\0\n\0K\0=\0v\0\r\0\n", 20);
    const std::string utf8("\xEF\xBB\xBF[S]\r\nK=v\r\n");
    for (const std::string& unicode : {utf16le, utf16be, utf8}) {
        writeBytes(file, unicode);
        EXPECT_EQ(test::vbErrorOf([&] { IniLib::WriteKeyValue("S", "K", "w", file); }), vberr::InvalidFileFormat);
        EXPECT_EQ(test::vbErrorOf([&] { IniLib::DeleteKey("S", "K", file); }), vberr::InvalidFileFormat);
        EXPECT_EQ(readBytes(file), unicode);
        EXPECT_THROW(get(file, "S", "K"), ReportedFailure);
    }
    EXPECT_EQ(sink.headlines().size(), 3u);
    EXPECT_EQ(sink.headlines().front(), "Error 321: 'Invalid file format: the file is Unicode text, not the ANSI "
                                        "text expected'\rin IniLib: Function GetKeyValue - Line # 10");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

// Each write reads, changes and replaces the whole file; writers that overlapped without taking
// turns would each write the file without the other's key. A write that waits out the lock fails
// loudly and is left out: only writes that succeeded must be there.
TEST_F(IniLibTest, WritersOfDifferentKeysLoseNoneOfEachOthersWrites) {
    constexpr int kWriters = 4;
    constexpr int kRounds = 40;
    std::vector<int> lastWritten(kWriters, 0);
    std::vector<std::thread> writers;
    for (int w = 0; w < kWriters; ++w) {
        writers.emplace_back([this, w, &lastWritten] {
            for (int round = 1; round <= kRounds; ++round) {
                if (test::vbErrorOf([&] {
                        IniLib::WriteKeyValue("Rounds", "W" + std::to_string(w), std::to_string(round), file);
                    }) == 0) {
                    lastWritten[static_cast<size_t>(w)] = round;
                }
            }
        });
    }
    for (std::thread& writer : writers) {
        writer.join();
    }
    const ProfileDocument users = IniLib::ReadKeys(file, errors);
    for (int w = 0; w < kWriters; ++w) {
        const int last = lastWritten[static_cast<size_t>(w)];
        EXPECT_GT(last, 0) << "writer " << w << " never had its turn";
        EXPECT_EQ(IniLib::GetKeyValue(users, "Rounds", "W" + std::to_string(w), "0", "", ""), std::to_string(last));
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

} // namespace
} // namespace corvane

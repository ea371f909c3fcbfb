#include "common/Module1.h"

#include "tests/support/RecordingErrorSink.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace corvane {
namespace {

using RecordingSink = test::RecordingErrorSink;

struct PathOnlyApp : act::Application {
    std::string path;
    void OpenFile(const std::string&) override {}
    std::shared_ptr<act::Views> Views() override { return nullptr; }
    void Command(int16_t) override {}
    std::string GetUserID() override { return {}; }
    std::string GetOpenDBName() override { return path; }
};

TEST(GenericName, IsTheFileNameCutBeforeItsFirstDot) {
    EXPECT_EQ(Module1::genericNameOf("D:\\Data\\Sales.dbf"), "Sales");
    EXPECT_EQ(Module1::genericNameOf("D:\\Data\\Sales.2003.dbf"), "Sales");
    EXPECT_EQ(Module1::genericNameOf("Sales.dbf"), "Sales");
    EXPECT_EQ(Module1::genericNameOf("/home/ann/act/Sales.dbf"), "Sales");
    EXPECT_EQ(Module1::genericNameOf("D:/Data/Sales.dbf"), "Sales");
    EXPECT_EQ(Module1::genericNameOf("D:\\My.Data\\Sales.dbf"), "Sales");
}

TEST(GenericName, AFileNameWithoutADotIsReportedAndGivesAnEmptyName) {
    RecordingSink sink;
    ErrorReporter errors("Corvane Edit Mode", sink);
    PathOnlyApp app;
    app.path = "D:\\Data.d\\Sales";
    EXPECT_EQ(Module1::Get_Generic_Name(app, errors), "");
    EXPECT_EQ(sink.headlines(), std::vector<std::string>{"Error 5: 'Invalid procedure call or argument'\rin "
                                                         "Module1: Function Get_Generic_Name - Line # 20"});
}

TEST(FileExists, IsTrueForFilesAndFoldersOnly) {
    test::TempDir dir;
    RecordingSink sink;
    ErrorReporter errors("Corvane", sink);
    test::writeBytes(dir.file("Users.dat"), "");
    EXPECT_TRUE(Module1::FileExists(dir.file("Users.dat"), errors));
    EXPECT_TRUE(Module1::FileExists(dir.path().string(), errors));
    EXPECT_FALSE(Module1::FileExists(dir.file("Absent.dat"), errors));
    EXPECT_FALSE(Module1::FileExists(dir.file("NoFolder") + "/Users.dat", errors));
    EXPECT_FALSE(Module1::FileExists("", errors));
    EXPECT_TRUE(sink.shown.empty());
}

TEST(FileExists, APathThatCannotBeExaminedIsReportedAndNeverCountsAsMissing) {
    test::TempDir dir;
    RecordingSink sink;
    ErrorReporter errors("Corvane", sink);
    std::error_code linkError;
    std::filesystem::create_symlink("Users.dat", dir.file("Users.dat"), linkError); // a link to itself loops
    if (linkError) {
        GTEST_SKIP() << "no symbolic links here (MinGW's runtime has none): " << linkError.message();
    }
    EXPECT_THROW(Module1::FileExists(dir.file("Users.dat"), errors), ReportedFailure);
    EXPECT_EQ(sink.headlines(), std::vector<std::string>{"Error 75: 'Path/File access error'\rin Module1: Function "
                                                         "FileExists - Line # 10"});
}

} // namespace
} // namespace corvane

#include "common/Module1.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvane {
namespace {

struct RecordingSink : ErrorSink {
    std::vector<std::string> texts;
    void showErrorReport(const std::string&, const std::string& text) override { texts.push_back(text); }
};

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
    ASSERT_EQ(sink.texts.size(), 1U);
    EXPECT_EQ(sink.texts[0].substr(0, sink.texts[0].find("\r\r")),
              "Error 5: 'Invalid procedure call or argument'\rin Module1: Function Get_Generic_Name - Line # 20");
}

TEST(FileExists, IsTrueForFilesAndFoldersOnly) {
    test::TempDir dir;
    test::writeBytes(dir.file("Users.dat"), "");
    EXPECT_TRUE(Module1::FileExists(dir.file("Users.dat")));
    EXPECT_TRUE(Module1::FileExists(dir.path().string()));
    EXPECT_FALSE(Module1::FileExists(dir.file("Absent.dat")));
    EXPECT_FALSE(Module1::FileExists(""));
}

} // namespace
} // namespace corvane

#include "admin/RightsReportCommand.h"

#include "tests/admin/AdminFixture.h"

namespace corvane::admin::test {
namespace {

/// The command run in-process on the tool's pieces: the simulated ACT! of `AdminFixture`, its
/// settings and program folder; no form is started.
class RightsReportCommand : public AdminFixture {
protected:
    int run(const std::vector<std::string>& arguments) {
        return runRightsReportCommand(arguments, factory, settings, session.app,
                                      [this](std::string_view text) { err += text; });
    }
    int run() { return run({"--rights-report", csv}); }
    std::string csvText() const { return corvane::test::readBytes(csv); }

    const std::string csv = joinPath(dir.path().string(), "report.csv");
    std::string err;
};

TEST_F(RightsReportCommand, WritesTheTriggersLevelsWithoutShowingAnything) {
    writeUsers("GlobalF=AA\r\nGlobalI=cc\r\n12I=bbAA\r\n");

    EXPECT_EQ(run(), kReportWritten) << err;
    EXPECT_EQ(csvText(), "\"User\",\"Unique ID\",\"Zip\",\"City\",\"Area (own lists)\"\r\n"
                         "\"Dana\",\"AA\",\"Full\",\"Full\",\"Initialize\"\r\n"
                         "\"Sam\",\"bb\",\"None\",\"None\",\"Initialize\"\r\n"
                         "\"Alex\",\"cc\",\"Initialize\",\"Initialize\",\"None\"\r\n");
    EXPECT_EQ(err, "");
    EXPECT_TRUE(session.msgBox.shown().empty());
}

TEST_F(RightsReportCommand, IsForAdministratorsOnly) {
    writeUsers("GlobalF=AA\r\n");
    engine.state().setLoggedInUser(2);

    EXPECT_EQ(run(), kReportFailed);
    EXPECT_EQ(err, "Sorry! This program may only be run by an administrator of the database!\n");
    EXPECT_FALSE(std::filesystem::exists(csv));
}

TEST_F(RightsReportCommand, AFailingActCallIsReportedAndWritesNothing) {
    writeUsers("GlobalF=AA\r\n");
    injector.failWith("Users.UniqueID", vberr::AutomationError);

    EXPECT_EQ(run(), kReportFailed);
    EXPECT_NE(err.find("in RightsReport: Function ACT_Users - Line # 20\n"), std::string::npos) << err;
    EXPECT_FALSE(std::filesystem::exists(csv));
    EXPECT_TRUE(session.msgBox.shown().empty());
}

TEST_F(RightsReportCommand, OtherArgumentsAreAUsageError) {
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{}, {"--rights-report", ""}, {csv}}) {
        EXPECT_EQ(run(arguments), kUsageError);
    }
    EXPECT_TRUE(injector.calls().empty()) << "ACT! was not reached";
}

} // namespace
} // namespace corvane::admin::test

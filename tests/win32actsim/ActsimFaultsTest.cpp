// A failure made with /fail reaches the programs as the VB error ACT! would have raised.
#include "tests/win32actsim/RunningActsim.h"

#include "platform/win32/com/ComActFactory.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace corvane::test {
namespace {

TEST(ActsimFaults, AnInjectedFailureReachesTheClientWithItsNumberAndDescription) {
    const TempDir folder;
    const RunningActsim actsim(RunningActsim::builtProgram(), folder.file("Sales.dbf"),
                               {"/fail", "View.SetField=70", "/FAIL", "Users.Count=440"});
    ASSERT_TRUE(actsim.ready());
    win32::com::ComActFactory factory;
    const auto app = act::CreateObjectAs<act::Application>(factory, act::kAppObjectClass);
    app->OpenFile("");
    const auto view = app->Views()->Create(1, "CV");
    try {
        view->SetField(2, "x");
        ADD_FAILURE() << "SetField must fail";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), vberr::PermissionDenied);
        EXPECT_EQ(error.description(), "Permission denied");
    }
    EXPECT_EQ(actsim.engine().contacts().value(1, 2), "Maria Anders");
    // The other members work.
    EXPECT_EQ(view->GetField(2), "Maria Anders");

    const auto database = act::CreateObjectAs<act::Database>(factory, act::kDatabaseClass);
    database->OpenEx("");
    try {
        database->Users()->Count();
        ADD_FAILURE() << "Users.Count must fail";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), vberr::AutomationError);
        EXPECT_EQ(error.description(), "Automation error");
    }
}

} // namespace
} // namespace corvane::test

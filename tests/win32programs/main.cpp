// The real Corvane.exe and CorvaneEditMode.exe beside actsim.exe, the simulated ACT!, each program a
// process of its own on this test program's desktop (see CMakeLists.txt), driven as their user
// drives them.
#include "tests/win32forms/OwnDesktop.h"
#include "tests/win32programs/ActsimWorkplace.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

/// actsim is registered for the whole run, as ACT!'s installer would register ACT!.
class Registration : public ::testing::Environment {
public:
    void SetUp() override { registration_ = std::make_unique<corvane::test::ActsimRegistration>(); }
    void TearDown() override { registration_.reset(); }

private:
    std::unique_ptr<corvane::test::ActsimRegistration> registration_;
};

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // GoogleTest owns the environment.
    ::testing::AddGlobalTestEnvironment(new Registration);
    const int result = RUN_ALL_TESTS();
    corvane::test::endOwnDesktop();
    return result;
}

// The tests of the Win32 forms backend, on the window metrics the forms were designed on.
#include "tests/win32forms/DesignMetrics.h"
#include "tests/win32forms/OwnDesktop.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // GoogleTest owns the environment.
    ::testing::AddGlobalTestEnvironment(new corvane::forms::win32::test::DesignMetrics);
    const int result = RUN_ALL_TESTS();
    corvane::test::endOwnDesktop();
    return result;
}

#include <QApplication>

#include <gtest/gtest.h>

// The widget tests need an application object; listing the tests does not (CTest lists them while
// building, with no display settings).
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}

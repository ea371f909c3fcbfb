// The Windows system tests. Started with UsersFileWriter::kSwitch or kKeyWriterSwitch, the program is
// instead a writer process of the concurrent-replace tests; with HistoryAppender::kSwitch, one of the
// history appenders.
#include "tests/support/HistoryAppender.h"
#include "tests/win32/UsersFileWriter.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    namespace writer = corvane::test::UsersFileWriter;
    if (argc == 5 && argv[1] == writer::kSwitch) {
        return writer::run(argv[2], std::atoi(argv[3]), argv[4]);
    }
    if (argc == 5 && argv[1] == writer::kKeyWriterSwitch) {
        return writer::runKeyWriter(argv[2], argv[3], std::atoi(argv[4]));
    }
    if (argc == 5 && argv[1] == corvane::test::HistoryAppender::kSwitch) {
        return corvane::test::HistoryAppender::run(argv[2], std::atoi(argv[3]), std::atoi(argv[4]));
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

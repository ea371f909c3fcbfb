#pragma once

#include <optional>
#include <string>
#include <string_view>

/// Both sides of the test that rewrites a users file in one process while another reads it.
namespace corvane::test::UsersFileWriter {

/// The argument that makes the test program the writer (see main.cpp).
inline constexpr std::string_view kSwitch = "--users-file-writer";
/// The argument that makes the test program a writer of its own keys (see `runKeyWriter`).
inline constexpr std::string_view kKeyWriterSwitch = "--key-writer";

/// The value the writer stores in its n-th write: the number at both ends of a filler whose length
/// changes with n, so that a file cut short or mixed from two writes does not read as any of them.
std::string valueOf(int n);
/// The n of a value written by `valueOf`; nothing for any other text.
std::optional<int> numberOf(std::string_view value);

/// How the writer's run went.
struct Report {
    int attempts = 0;
    int written = 0;
    int failed = 0;
    int lastWritten = -1;
};

/// The writer: stores `valueOf(1)` .. `valueOf(count)` as Sales/GlobalF of `file` through
/// IniLib::WriteKeyValue, counting every write that fails, then writes its report to `reportFile`.
int run(const std::string& file, int count, const std::string& reportFile);

/// A writer of its own keys among others: stores the round's number as Writers/W`id` and Writer`id`/Last
/// of `file` for rounds 1 .. `rounds`; its exit code is the number of writes that failed.
int runKeyWriter(const std::string& file, const std::string& id, int rounds);

/// The report the writer left, or nothing when it left none.
std::optional<Report> readReport(const std::string& reportFile);

} // namespace corvane::test::UsersFileWriter

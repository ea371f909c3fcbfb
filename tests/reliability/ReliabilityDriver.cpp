// The writer and reader processes of the reliability tests (see TrialRecord.h):
//   kill-users FILE FIRST   rewrites Sales/Value of a users file forever with writes FIRST, FIRST + 1, ...,
//                           the number of each committed write a line on stdout
//   kill-field FILE FIRST   the same with a field settings file
//   write-keys FILE ID N    writes its own two keys of a users file N times, each failure on stderr, then
//                           says on stdout which round each key last took and how many writes failed
//   read-loop FILE STOP     parses the users file until STOP exists; 1 when a read finds a torn file
#include "common/FieldSettingsFile.h"
#include "common/FileIo.h"
#include "common/IniLib.h"
#include "common/RuntimeError.h"
#include "tests/reliability/TrialRecord.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

namespace {

using namespace corvane;
namespace record = test::TrialRecord;

int failed(const char* what, const RuntimeError& error) {
    std::fprintf(stderr, "%s: error %d: %s\n", what, error.number(), error.description().c_str());
    return 2;
}

// Every commit is reported before the next write begins, so the parent knows the newest content the
// file may not fall behind.
template <class Write> int writeForever(uint64_t first, Write&& write) {
    for (uint64_t n = first;; ++n) {
        try {
            write(n);
        } catch (const RuntimeError& error) {
            return failed("write", error);
        }
        std::printf("%llu\n", static_cast<unsigned long long>(n));
        std::fflush(stdout);
    }
}

// A write that fails (another writer kept the file longer than the lock's wait) is counted and
// reported; a write that succeeded must never be lost.
int writeKeys(const std::string& file, const std::string& id, int rounds) {
    const std::string keys[2][2] = {{"Writers", "W" + id}, {"Writer" + id, "Last"}};
    int last[2] = {0, 0};
    int failures = 0;
    for (int round = 1; round <= rounds; ++round) {
        for (int k = 0; k < 2; ++k) {
            try {
                IniLib::WriteKeyValue(keys[k][0], keys[k][1], record::valueOf(static_cast<uint64_t>(round)), file);
                last[k] = round;
            } catch (const RuntimeError& error) {
                failed(("writer " + id + " round " + std::to_string(round)).c_str(), error);
                ++failures;
            }
        }
    }
    std::printf("%d %d %d\n", last[0], last[1], failures);
    return 0;
}

// A whole file has the header the test wrote first and well-formed values only, none older than one
// this reader saw before.
int readLoop(const std::string& file, const std::string& stop) {
    std::map<std::string, uint64_t, std::less<>> seen;
    long reads = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(2);
    while (!pathExists(stop) && std::chrono::steady_clock::now() < deadline) {
        const ProfileDocument users(readWholeFile(file));
        ++reads;
        if (users.find("Header", "Magic") != std::optional<std::string_view>("corvane")) {
            std::fprintf(stderr, "read %ld: a torn file of %zu bytes\n", reads, users.bytes().size());
            return 1;
        }
        for (int w = 0; w < 8; ++w) {
            const std::string key = "W" + std::to_string(w);
            const auto value = users.find("Writers", key);
            const auto n = value ? record::numberOf(*value) : std::optional<uint64_t>(0);
            if (!n || *n < seen[key]) {
                std::fprintf(stderr, "read %ld: %s is torn or older than before\n", reads, key.c_str());
                return 1;
            }
            seen[key] = *n;
        }
    }
    std::printf("%ld\n", reads);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string_view mode = argc > 1 ? argv[1] : "";
    if (mode == "kill-users" && argc == 4) {
        return writeForever(std::strtoull(argv[3], nullptr, 10), [file = std::string(argv[2])](uint64_t n) {
            IniLib::WriteKeyValue("Sales", "Value", record::valueOf(n), file);
        });
    }
    if (mode == "kill-field" && argc == 4) {
        return writeForever(std::strtoull(argv[3], nullptr, 10), [file = std::string(argv[2])](uint64_t n) {
            writeFieldSettingsFile(file, record::fieldSettingsOf(n));
        });
    }
    if (mode == "write-keys" && argc == 5) {
        return writeKeys(argv[2], argv[3], std::atoi(argv[4]));
    }
    if (mode == "read-loop" && argc == 4) {
        try {
            return readLoop(argv[2], argv[3]);
        } catch (const RuntimeError& error) {
            return failed("read", error);
        }
    }
    std::fprintf(stderr, "usage: reliability_driver kill-users|kill-field FILE FIRST | write-keys FILE ID ROUNDS | "
                         "read-loop FILE STOP\n");
    return 64;
}

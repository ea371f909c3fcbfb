// The profile engine against the system's own profile functions (Wine's here): thousands of generated
// files, read and written by both, must agree. These differences are allowed, each shown on a small
// file by WineProfileFunctions below:
// - Reads: the engine returns whole values on purpose; the classic 127-byte buffer holds 126 characters.
// - Writes: Wine rewrites the whole file from what it parsed: CR LF line ends, no blank lines, no blanks
//   around lines, names and values, and of consecutive lines with an empty name ("=value") only the
//   first, as its loader keeps such a line only after one with a name. The engine changes only its
//   key's line, so files are compared in Wine's rewritten form (asRewritten).
// - Deleting a key that the first section of its name lacks: Wine deletes it from a later section of
//   that name, although its reads and other writes, like the engine's, use the first section only. Such
//   a case stops there; their number is printed.
// - Three more of Wine's ways are kept out of the generated files (see RandomProfiles.cpp): it matches
//   names across the case of A-Z only, compares the names of a key to delete with their blanks, and
//   takes a line without "=" for a key without a value that hides a later key of that name.
#include "common/ProfileDocument.h"
#include "tests/support/TempDir.h"
#include "tests/win32/RandomProfiles.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace corvane {
namespace {

using test::ProfileCase;

constexpr uint64_t kSeed = 20240611;
constexpr int kCases = 3000;
constexpr int kReportedFailures = 10;
// The programs' classic code read through a 127-byte buffer, which holds 126 characters.
constexpr DWORD kClassicBuffer = 127;
constexpr const char* kAbsent = "<absent>";

// CORVANE_PROFILE_SEED runs other cases than the usual ones.
uint64_t seed() {
    const char* chosen = std::getenv("CORVANE_PROFILE_SEED");
    return chosen != nullptr ? std::strtoull(chosen, nullptr, 10) : kSeed;
}

std::string escaped(std::string_view bytes) {
    std::string text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\r') {
            text += "\\r";
        } else if (c == '\n') {
            text += "\\n";
        } else if (c == '\t') {
            text += "\\t";
        } else if (byte < 0x20 || byte >= 0x7F || c == '\\') {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", byte);
            text += hex;
        } else {
            text += c;
        }
    }
    return "\"" + text + "\"";
}

std::optional<std::string> systemRead(const std::string& file, const ProfileCase::Name& name) {
    char buffer[kClassicBuffer];
    const DWORD count =
        GetPrivateProfileStringA(name.section.c_str(), name.key.c_str(), kAbsent, buffer, kClassicBuffer, file.c_str());
    const std::string value(buffer, count);
    return value == kAbsent ? std::nullopt : std::optional<std::string>(value);
}

// Without the blanks both drop around names and values (not the no-break space 0xA0).
std::string_view trimmed(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\v\f";
    text = text.substr(std::min(text.find_first_not_of(kBlanks), text.size()));
    return text.substr(0, text.find_last_not_of(kBlanks) + 1);
}

// The file as Wine writes it back (see above).
std::string asRewritten(std::string_view bytes) {
    std::string text;
    bool emptyNameBefore = false;
    for (size_t at = 0; at < bytes.size();) {
        const size_t end = std::min({bytes.find('\r', at), bytes.find('\n', at), bytes.size()});
        const std::string_view line = trimmed(bytes.substr(at, end - at));
        at = end + (bytes.substr(end, 2) == "\r\n" ? 2 : 1);
        const size_t close = line.rfind(']');
        const size_t equals = line.find('=');
        const bool emptyName = equals != std::string_view::npos && trimmed(line.substr(0, equals)).empty();
        if (line.empty() || (emptyName && emptyNameBefore)) {
            continue;
        }
        emptyNameBefore = emptyName;
        if (line.front() == '[' && close != std::string_view::npos) {
            text += "[" + std::string(trimmed(line.substr(1, close - 1))) + "]";
        } else if (equals != std::string_view::npos) {
            text += std::string(trimmed(line.substr(0, equals))) + "=" + std::string(trimmed(line.substr(equals + 1)));
        } else {
            text += line;
        }
        text += "\r\n";
    }
    return text;
}

// A file of one case, gone when the case ends however it ends.
class CaseFile {
public:
    CaseFile(const test::TempDir& dir, int number, const char* role, const std::string& bytes)
        : path_(dir.file("c" + std::to_string(number) + role + ".ini")) {
        test::writeBytes(path_, bytes);
    }
    ~CaseFile() { DeleteFileA(path_.c_str()); }
    CaseFile(const CaseFile&) = delete;
    CaseFile& operator=(const CaseFile&) = delete;

    const std::string& path() const { return path_; }

private:
    std::string path_;
};

class ProfileOracle : public ::testing::Test {
protected:
    void run(int number, const ProfileCase& profile) {
        number_ = number;
        shown_ = "\nfile " + escaped(profile.bytes);
        const CaseFile systemFile(dir, number, "s", profile.bytes);
        const std::string& system = systemFile.path();
        ProfileDocument engine(profile.bytes);
        if (!expectSameReads(engine, profile.reads, system, "before the writes")) {
            return;
        }
        for (const auto& write : profile.writes) {
            shown_ += "\nwrite " + escaped(write.name.section) + " " + escaped(write.name.key) + " = " +
                      (write.value ? escaped(*write.value) : "(delete)");
            const std::string systemBefore = test::readBytes(system);
            const bool engineHasKey = engine.find(write.name.section, write.name.key).has_value();
            WritePrivateProfileStringA(write.name.section.c_str(), write.name.key.c_str(),
                                       write.value ? write.value->c_str() : nullptr, system.c_str());
            engine.set(write.name.section, write.name.key, write.value);
            const std::string systemBytes = test::readBytes(system);
            if (!write.value && !engineHasKey && systemBytes != systemBefore) {
                ++laterSectionDeletes_; // Wine deleted the key from a later section of that name: see above
                return;
            }
            if (asRewritten(systemBytes) != asRewritten(engine.bytes())) {
                fail("after this write\nsystem " + escaped(systemBytes) + "\nengine " + escaped(engine.bytes()));
                return;
            }
        }
        // What the engine wrote reads the same to the system.
        const CaseFile written(dir, number, "e", engine.bytes());
        expectSameReads(engine, profile.reads, written.path(), "in the engine's file after the writes");
    }

    bool expectSameReads(const ProfileDocument& engine, const std::vector<ProfileCase::Name>& names,
                         const std::string& path, const std::string& when) {
        for (const auto& name : names) {
            const auto system = systemRead(path, name);
            const auto found = engine.find(name.section, name.key);
            // The engine returns whole values on purpose; the classic buffer holds 126 characters.
            const auto engineRead =
                found ? std::optional<std::string>(found->substr(0, kClassicBuffer - 1)) : std::nullopt;
            if (system != engineRead) {
                fail("read " + escaped(name.section) + " " + escaped(name.key) + " " + when + ": system " +
                     (system ? escaped(*system) : "absent") + ", engine " +
                     (engineRead ? escaped(*engineRead) : "absent"));
                return false;
            }
        }
        return true;
    }

    void fail(const std::string& what) {
        if (++failures_ <= kReportedFailures) {
            ADD_FAILURE() << "seed " << seed() << ", case " << number_ << ": " << what << shown_;
        }
    }

    test::TempDir dir;
    int failures_ = 0;
    int laterSectionDeletes_ = 0;
    int number_ = 0;
    std::string shown_;
};

TEST_F(ProfileOracle, TheEngineReadsAndWritesAsTheSystemDoes) {
    std::printf("profile oracle: seed %llu, %d cases\n", static_cast<unsigned long long>(seed()), kCases);
    test::RandomProfiles profiles(seed());
    for (int number = 0; number < kCases; ++number) {
        run(number, profiles.next());
    }
    std::printf("profile oracle: %d cases stopped where Wine deleted a key from a later section\n",
                laterSectionDeletes_);
    EXPECT_EQ(failures_, 0) << "cases that differ";
}

// The ways of Wine's profile functions that the oracle allows for, each on a small file. Should Wine
// change one, this fails, and the allowance can go.
class WineProfileFunctions : public ::testing::Test {
protected:
    std::string fresh(const std::string& bytes) {
        const std::string path = dir.file("w" + std::to_string(++files_) + ".ini");
        test::writeBytes(path, bytes);
        return path;
    }
    std::optional<std::string> read(const std::string& bytes, const char* section, const char* key) {
        return systemRead(fresh(bytes), {section, key});
    }
    std::string write(const std::string& bytes, const char* section, const char* key, const char* value) {
        const std::string path = fresh(bytes);
        WritePrivateProfileStringA(section, key, value, path.c_str());
        return test::readBytes(path);
    }

    test::TempDir dir;
    int files_ = 0;
};

TEST_F(WineProfileFunctions, BehaveAsTheOracleAllowsFor) {
    EXPECT_EQ(read("[S]\r\nK=" + std::string(300, 'v') + "\r\n", "S", "K"), std::string(126, 'v'));
    EXPECT_EQ(write("[S]\r\n\r\n  K  =  v  \r\n\r\n[T]\nX=1", "S", "L", "w"), "[S]\r\nK=v\r\nL=w\r\n[T]\r\nX=1\r\n");
    EXPECT_EQ(write("[S]\r\n=a\r\n=b\r\n", "S", "L", "w"), "[S]\r\n=a\r\nL=w\r\n");
    EXPECT_EQ(read("[S]\r\nA=1\r\n[s]\r\nK=2\r\n", "S", "K"), std::nullopt);
    EXPECT_EQ(write("[S]\r\nA=1\r\n[s]\r\nK=2\r\n", "S", "K", nullptr), "[S]\r\nA=1\r\n[s]\r\n");
    EXPECT_EQ(read("[Caf\xE9]\r\nK=v\r\n", "CAF\xC9", "K"), std::nullopt);
    EXPECT_EQ(read("[Caf\xE9]\r\nK=v\r\n", "CAF\xE9", "K"), "v");
    EXPECT_EQ(write("[S]\r\nK=v\r\n", " S", "K", nullptr), "[S]\r\nK=v\r\n");
    EXPECT_EQ(read("[S]\r\n17F\r\n17F=x\r\n", "S", "17F"), std::nullopt);
    EXPECT_EQ(write("[S]\r\n17F\r\n17F=x\r\n", "S", "17F", "v"), "[S]\r\n17F=v\r\n17F=x\r\n");
}

} // namespace
} // namespace corvane

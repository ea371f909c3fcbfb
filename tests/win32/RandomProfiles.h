#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::test {

/// One case for comparing the profile engine with the system's profile functions: a file, the names
/// to read from it and the writes to make to it.
struct ProfileCase {
    struct Name {
        std::string section, key;
    };
    struct Write {
        Name name;
        std::optional<std::string> value; // none: delete the key
    };
    std::string bytes;
    std::vector<Name> reads;
    std::vector<Write> writes;
};

/// Makes profile files with what real ones hold: names in odd case and with blanks, quotes, duplicate
/// sections and keys, comments, lines without "=", empty values, Windows-1252 letters, CR LF, LF and
/// CR line ends, a missing final line end. The same seed makes the same cases.
class RandomProfiles {
public:
    explicit RandomProfiles(uint64_t seed) : random_(seed) {}

    ProfileCase next();

private:
    size_t below(size_t n) { return static_cast<size_t>(random_() % n); }
    bool chance(int percent) { return below(100) < static_cast<size_t>(percent); }
    std::string_view oneOf(const std::vector<std::string_view>& choices) { return choices[below(choices.size())]; }

    std::string blanks();
    std::string sectionName();
    std::string keyName();
    std::string value();
    std::string line();

    std::mt19937_64 random_;
};

} // namespace corvane::test

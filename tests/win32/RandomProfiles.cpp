#include "tests/win32/RandomProfiles.h"

namespace corvane::test {
namespace {

// Names that repeat, in differing case, so that sections and keys repeat and match across case. Their
// Windows-1252 letters keep one case: Wine 8's profile functions match names across the case of A-Z
// only, although its earlier versions, like the engine, matched accented letters across case too
// (IniLibTest covers the engine's folding of Windows-1252 letters).
const std::vector<std::string_view> kSections = {
    "Sales", "sales", "SALES", "Caf\xE9", "CAF\xE9", "Other", "\x8A\x8C\x8E\x9F", "A]x", "Settings"};
const std::vector<std::string_view> kKeys = {"GlobalF", "globalf",  "GLOBALI", "12F",  "13F", "Caf\xE9",
                                             "cAF\xE9", "\xC0\xDE", ";15F",    "#16F", "K"};
const std::vector<std::string_view> kValues = {
    "",    "v",    "AA bb", "\"quoted\"",        "'single'", "\"half",        "half'",
    "a=b", "\"\"", "'",     "Caf\xE9 \x80 \xFF", "x\ty",     "[notasection]", "; not a comment"};
// Lines without "=" use names that no key has: Wine keeps such a line as an entry without a value,
// which hides a later key of that name from reads and takes the value of a write to it, while to the
// engine a line without "=" is no key at all.
const std::vector<std::string_view> kOtherLines = {"; a comment", "# hash", "weird line", "[unclosed",
                                                   "=novalue",    "17F",    "Note"};

} // namespace

// Blanks both drop around names and values, and now and then the no-break space 0xA0, which neither does.
std::string RandomProfiles::blanks() {
    return std::string(chance(70) ? 0 : below(3) + 1, std::string_view(" \t\v\xA0")[chance(80) ? 0 : below(4)]);
}

// Section "" is the part of the file before its first section.
std::string RandomProfiles::sectionName() {
    return chance(5) ? std::string() : std::string(oneOf(kSections));
}

std::string RandomProfiles::keyName() {
    return std::string(oneOf(kKeys));
}

std::string RandomProfiles::value() {
    if (chance(5)) {
        // Longer than the classic 127-byte buffer holds, now and then longer than a search block.
        return std::string(chance(10) ? 5000 : 100 + below(100), 'L') + "END";
    }
    return std::string(oneOf(kValues));
}

std::string RandomProfiles::line() {
    const size_t kind = below(100);
    if (kind < 15) {
        return blanks() + "[" + blanks() + std::string(oneOf(kSections)) + blanks() + "]" + blanks();
    }
    if (kind < 75) {
        return blanks() + keyName() + blanks() + "=" + blanks() + value() + blanks();
    }
    if (kind < 85) {
        return blanks(); // a blank line
    }
    return blanks() + std::string(oneOf(kOtherLines)) + blanks();
}

ProfileCase RandomProfiles::next() {
    ProfileCase result;
    const std::vector<std::string_view> lineEnds = {"\r\n", "\n", "\r"};
    // Most files keep one kind of line end; some mix them.
    const bool mixed = chance(20);
    const std::string_view fileLineEnd = oneOf(lineEnds);
    const size_t lines = below(14);
    for (size_t i = 0; i < lines; ++i) {
        result.bytes += line();
        if (i + 1 < lines || chance(80)) {
            result.bytes += mixed ? oneOf(lineEnds) : fileLineEnd;
        }
    }
    for (size_t i = 0, reads = 4 + below(6); i < reads; ++i) {
        result.reads.push_back({blanks() + sectionName() + blanks(), blanks() + keyName() + blanks()});
    }
    for (size_t i = 0, writes = 1 + below(3); i < writes; ++i) {
        if (chance(25)) {
            // Wine compares the names of a key to delete as given, blanks and all (its reads and other
            // writes drop the blanks around names first, as the engine does for every name).
            result.writes.push_back({{sectionName(), keyName()}, std::nullopt});
        } else {
            result.writes.push_back({{blanks() + sectionName() + blanks(), blanks() + keyName() + blanks()},
                                     blanks() + value() + blanks()});
        }
    }
    return result;
}

} // namespace corvane::test

// The profile engine over any file and any sequence of changes. Input: the document, then
// operations, each after a NUL: a letter (f find, s set, d delete, c copy, m move; a capital letter
// works on a second document) and the fields "section|key|value". After every operation the engine,
// a fresh engine of the same bytes and the plain reference reader give one answer; a key set reads
// back whole, and bytes outside the section changed stay as they were.
#include "common/ProfileDocument.h"
#include "common/Text.h"
#include "fuzz/FuzzInput.h"
#include "tests/support/ReferenceProfileReader.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace {

using corvane::ProfileDocument;

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

std::optional<std::string> asText(std::optional<std::string_view> value) {
    return value ? std::optional<std::string>(*value) : std::nullopt;
}

void requireAgreement(const ProfileDocument& document, std::string_view section, std::string_view key) {
    const auto expected = corvane::test::referenceFind(document.bytes(), section, key);
    require(asText(document.find(section, key)) == expected);
    const ProfileDocument fresh(document.bytes());
    require(asText(fresh.find(section, key)) == expected);
}

// Names and values written through the engine hold no line end: the programs never write one.
std::string oneLine(std::string_view field) {
    std::string text(field);
    std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
    return text;
}

std::string unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

// A line "key=value" reads back as that key unless the key holds "=" or the line reads as a header.
bool readsBackAsKey(std::string_view key) {
    const std::string_view name = corvane::text::trimBlanks(key);
    return name.find('=') == std::string_view::npos && !name.starts_with('[');
}

// Changing one section leaves every byte before its body and after it as it was; a section that is
// added goes after all of them.
void requireOnlySectionChanged(const std::string& before, const std::string& after, std::string_view section) {
    const auto body = corvane::test::referenceSectionBody(before, section);
    const size_t prefix = body ? body->first : before.size();
    const size_t suffix = body ? before.size() - body->second : 0;
    require(after.size() >= prefix + suffix);
    require(after.compare(0, prefix, before, 0, prefix) == 0);
    require(after.compare(after.size() - suffix, suffix, before, before.size() - suffix, suffix) == 0);
}

void set(ProfileDocument& document, std::string_view section, std::string_view key,
         std::optional<std::string_view> value) {
    const std::string before = document.bytes();
    const bool found = document.find(section, key).has_value();
    const bool changed = document.set(section, key, value);
    require(changed == (document.bytes() != before));
    requireOnlySectionChanged(before, document.bytes(), section);
    if (!value) {
        require(changed == found); // only the first of duplicate keys goes: the next one may show
    } else if (readsBackAsKey(key)) {
        require(asText(document.find(section, key)) == unquote(corvane::text::trimBlanks(*value)));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    corvane::fuzz::FuzzInput input(data, size);
    std::array<ProfileDocument, 2> documents{ProfileDocument(std::string(input.field('\0'))), ProfileDocument()};
    while (!input.atEnd()) {
        const std::string_view operation = input.field('\0');
        const char letter = operation.empty() ? 'f' : operation.front();
        corvane::fuzz::FuzzInput fields(operation.substr(operation.empty() ? 0 : 1));
        const std::string_view section = fields.field('|');
        const std::string_view key = fields.field('|');
        const std::string value = oneLine(fields.field('|'));
        // A capital letter works on the second document.
        const bool second = letter >= 'A' && letter <= 'Z';
        ProfileDocument& document = documents[second ? 1 : 0];
        ProfileDocument& other = documents[second ? 0 : 1];
        switch (letter | 0x20) {
        case 's':
            set(document, oneLine(section), oneLine(key), value);
            break;
        case 'd':
            set(document, oneLine(section), oneLine(key), std::nullopt);
            break;
        case 'c':
            other = document;
            break;
        case 'm': {
            ProfileDocument taken(std::move(document));
            requireAgreement(document, section, key);
            other = std::move(taken);
            break;
        }
        default:
            break;
        }
        requireAgreement(document, section, key);
        requireAgreement(other, section, key);
    }
    return 0;
}

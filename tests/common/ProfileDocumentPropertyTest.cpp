// The profile engine against a plain reader, over random documents and random edits: the section the
// engine remembers may make a look-up faster, never different, whatever was set, deleted, copied or
// moved before it.
#include "common/ProfileDocument.h"

#include "tests/support/ReferenceProfileReader.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <utility>

namespace corvane {
namespace {

constexpr std::array<std::string_view, 10> kSections = {"Sales", "sales", " SALES ", "Caf\xE9", "caf\xC9",
                                                        "Other", "",      "a]b",     "[x",      "Service"};
constexpr std::array<std::string_view, 10> kKeys = {"GlobalF", "globalf", " GlobalF ", "12F", "12I",
                                                    "",        "[x",      "a=b",       ";c",  "K"};
constexpr std::array<std::string_view, 10> kValues = {"AA", "  AAbb  ", "\"quoted\"", "'single'", "\"half",
                                                      "",   "[Sales]",  "x=y",        "  ",       "\"a b\" "};
constexpr std::array<std::string_view, 3> kLineEnds = {"\r\n", "\n", "\r"};
constexpr std::array<std::string_view, 4> kBlanks = {"", " ", "\t", "  \t"};
// Lines that open no section or hold no key, or do both in ways that trip a careless reader.
constexpr std::array<std::string_view, 8> kOddLines = {"[Sales", "x[Sales]", "no equals", "=v",
                                                       "[",      "]",        "[Sales]x]", "[Other]=1"};

class RandomDocuments {
public:
    explicit RandomDocuments(uint32_t seed) : rng_(seed) {}

    size_t below(size_t n) { return rng_() % n; }

    template <size_t N> std::string_view pick(const std::array<std::string_view, N>& pool) { return pool[below(N)]; }

    std::string document() {
        std::string bytes;
        const size_t lines = below(12);
        for (size_t i = 0; i < lines; ++i) {
            bytes += line();
            if (i + 1 < lines || below(4) != 0) {
                bytes += pick(kLineEnds);
            }
        }
        return bytes;
    }

    std::optional<std::string_view> value() {
        if (below(4) == 0) {
            return std::nullopt;
        }
        return pick(kValues);
    }

private:
    std::string line() {
        switch (below(6)) {
        case 0:
        case 1:
            return std::string(pick(kBlanks)) + "[" + std::string(pick(kBlanks)) + std::string(pick(kSections)) +
                   std::string(pick(kBlanks)) + "]";
        case 2:
        case 3:
            return std::string(pick(kBlanks)) + std::string(pick(kKeys)) + std::string(pick(kBlanks)) + "=" +
                   std::string(pick(kValues));
        case 4:
            return std::string(pick(kBlanks));
        default:
            return std::string(pick(kOddLines));
        }
    }

    std::mt19937 rng_;
};

std::string visible(std::string_view bytes) {
    std::string shown;
    for (const char c : bytes) {
        shown += c == '\r' ? std::string("\\r") : c == '\n' ? std::string("\\n") : std::string(1, c);
    }
    return shown;
}

// The remembering document, a fresh one of the same bytes and the plain reader give one answer.
testing::AssertionResult answersAgree(const ProfileDocument& document, std::string_view section, std::string_view key) {
    const auto expected = test::referenceFind(document.bytes(), section, key);
    const auto remembered = document.find(section, key);
    const ProfileDocument fresh(document.bytes());
    const auto unremembered = fresh.find(section, key);
    const auto asText = [](std::optional<std::string_view> v) {
        return v ? std::optional<std::string>(*v) : std::nullopt;
    };
    if (asText(remembered) == expected && asText(unremembered) == expected) {
        return testing::AssertionSuccess();
    }
    const auto show = [](const std::optional<std::string>& v) { return v ? "\"" + *v + "\"" : std::string("none"); };
    return testing::AssertionFailure() << "find(\"" << section << "\", \"" << key << "\") in \""
                                       << visible(document.bytes()) << "\": remembering " << show(asText(remembered))
                                       << ", fresh " << show(asText(unremembered)) << ", reference " << show(expected);
}

TEST(ProfileDocumentProperty, RememberedSectionNeverChangesAnAnswer) {
    constexpr uint32_t kCases = 3000;
    constexpr int kSteps = 24;
    for (uint32_t seed = 1; seed <= kCases; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        RandomDocuments random(seed);
        std::array<ProfileDocument, 2> documents{ProfileDocument(random.document()),
                                                 ProfileDocument(random.document())};
        for (int step = 0; step < kSteps; ++step) {
            ProfileDocument& document = documents[random.below(2)];
            ProfileDocument& other = documents[random.below(2)];
            const std::string_view section = random.pick(kSections);
            const std::string_view key = random.pick(kKeys);
            switch (random.below(10)) {
            case 0:
                document.set(section, key, random.value());
                break;
            case 1:
                document = other; // may be itself
                break;
            case 2: {
                // Left moved from, the document must still answer for the text it now holds.
                ProfileDocument taken(std::move(document));
                ASSERT_TRUE(answersAgree(document, "", key));
                ASSERT_TRUE(answersAgree(taken, section, key));
                other = std::move(taken);
                break;
            }
            case 3:
                std::swap(document, other);
                break;
            case 4:
                document = ProfileDocument(random.document());
                break;
            default:
                break;
            }
            ASSERT_TRUE(answersAgree(document, section, key));
            ASSERT_TRUE(answersAgree(other, random.pick(kSections), random.pick(kKeys)));
        }
    }
}

} // namespace
} // namespace corvane

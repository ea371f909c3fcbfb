#include "tests/reliability/TrialRecord.h"

#include "common/RuntimeError.h"

#include <charconv>
#include <cstdio>
#include <vector>

namespace corvane::test::TrialRecord {
namespace {

// FNV-1a: enough to tell a whole write from a torn or mixed one.
uint32_t checksumOf(std::string_view text) {
    uint32_t hash = 2166136261u;
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    return hash;
}

std::string hex(uint32_t value) {
    char text[9];
    std::snprintf(text, sizeof text, "%08x", value);
    return text;
}

std::optional<uint64_t> parseNumber(std::string_view text) {
    uint64_t n = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return n;
}

// Sizes from some hundred bytes to some ten kilobytes, so that kills land inside writes of any length.
size_t fillerLength(uint64_t n) {
    return 200 + static_cast<size_t>(n * 7919 % 13) * 997;
}

std::string joined(const std::vector<std::string>& items) {
    std::string all;
    for (const std::string& item : items) {
        all += item;
        all += '\n';
    }
    return all;
}

} // namespace

std::string valueOf(uint64_t n) {
    std::string body = std::to_string(n) + ":" + std::string(fillerLength(n), static_cast<char>('a' + n % 26));
    return body + ":" + hex(checksumOf(body));
}

std::optional<uint64_t> numberOf(std::string_view value) {
    const auto n = parseNumber(value.substr(0, value.find(':')));
    if (!n || value != valueOf(*n)) {
        return std::nullopt;
    }
    return n;
}

FieldSettings fieldSettingsOf(uint64_t n) {
    FieldSettings settings;
    settings.OnlyFromDropdown = 1;
    settings.Items.push_back(std::to_string(n));
    for (size_t i = 0; i < fillerLength(n) / 100; ++i) {
        settings.Items.push_back("Item " + std::to_string(n) + "-" + std::to_string(i) + std::string(80, 'x'));
    }
    settings.Items.push_back(hex(checksumOf(joined(settings.Items))));
    return settings;
}

std::optional<uint64_t> numberOfFieldSettingsFile(const std::string& path) {
    try {
        FieldSettingsReader reader(path);
        if (reader.nextLine() != "OnlyFromDropdown=1" || reader.nextLine() != "AllowEditing=0") {
            return std::nullopt;
        }
        std::vector<std::string> items;
        reader.readItems([&](std::string_view item) { items.emplace_back(item); });
        const auto n = items.empty() ? std::nullopt : parseNumber(items.front());
        if (!n || joined(fieldSettingsOf(*n).Items) != joined(items)) {
            return std::nullopt;
        }
        return n;
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

} // namespace corvane::test::TrialRecord

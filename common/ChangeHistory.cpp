#include "common/ChangeHistory.h"

#include "common/FilePrimitives.h"
#include "common/Paths.h"
#include "common/Text.h"

#include <charconv>
#include <cstdio>

namespace corvane::ChangeHistory {
namespace {

constexpr size_t kColumns = 5;
constexpr std::string_view kHeader = kHeaderLine.substr(0, kHeaderLine.size() - 2);

void appendQuoted(std::string& line, std::string_view value) {
    line += '"';
    for (const char c : value) {
        switch (c) {
        case '"':
            line += "\"\"";
            break;
        case '\\':
            line += "\\\\";
            break;
        case '\r':
            line += "\\r";
            break;
        case '\n':
            line += "\\n";
            break;
        default:
            line += c;
        }
    }
    line += '"';
}

// Reads one quoted field at the start of `rest` and moves past it; nothing when it is not one.
std::optional<std::string> takeQuoted(std::string_view& rest) {
    if (rest.empty() || rest.front() != '"') {
        return std::nullopt;
    }
    std::string value;
    for (size_t i = 1; i < rest.size(); ++i) {
        const char c = rest[i];
        const char next = i + 1 < rest.size() ? rest[i + 1] : '\0';
        if (c == '"' && next != '"') {
            rest.remove_prefix(i + 1);
            return value;
        }
        if (c == '"' || c == '\\') {
            ++i;
            if (c == '\\' && next != '\\' && next != 'r' && next != 'n') {
                return std::nullopt;
            }
            value += c == '"' ? '"' : next == 'r' ? '\r' : next == 'n' ? '\n' : '\\';
            continue;
        }
        value += c;
    }
    return std::nullopt; // no closing quote: a torn line
}

std::optional<std::vector<std::string>> splitFields(std::string_view line) {
    std::vector<std::string> fields;
    while (true) {
        auto field = takeQuoted(line);
        if (!field) {
            return std::nullopt;
        }
        fields.push_back(std::move(*field));
        if (line.empty()) {
            return fields;
        }
        if (line.front() != ',') {
            return std::nullopt;
        }
        line.remove_prefix(1);
    }
}

template <class Number> std::optional<Number> numberOf(std::string_view digits) {
    Number value{};
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc{} || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return value;
}

// "YYYY-MM-DDTHH:MM:SSZ", exactly as `isoTime` writes it.
std::optional<std::chrono::sys_seconds> parseIsoTime(std::string_view text) {
    using namespace std::chrono;
    constexpr std::string_view kShape = "dddd-dd-ddTdd:dd:ddZ";
    if (text.size() != kShape.size()) {
        return std::nullopt;
    }
    for (size_t i = 0; i < kShape.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (kShape[i] == 'd' ? !digit : text[i] != kShape[i]) {
            return std::nullopt;
        }
    }
    const auto part = [&](size_t at, size_t length) { return *numberOf<int>(text.substr(at, length)); };
    const year_month_day date{year{part(0, 4)}, month{static_cast<unsigned>(part(5, 2))},
                              day{static_cast<unsigned>(part(8, 2))}};
    const int hour = part(11, 2);
    const int minute = part(14, 2);
    const int second = part(17, 2);
    if (!date.ok() || hour > 23 || minute > 59 || second > 59) {
        return std::nullopt;
    }
    return sys_days{date} + hours{hour} + minutes{minute} + seconds{second};
}

} // namespace

std::string historyPath(std::string_view usersPath, std::string_view genericName) {
    const std::string name = std::string(genericName) + ".history";
    const size_t separator = usersPath.find_last_of(kPathSeparator);
    return separator == std::string_view::npos ? name : joinPath(usersPath.substr(0, separator), name);
}

std::string isoTime(std::chrono::sys_seconds time) {
    using namespace std::chrono;
    const sys_days date = floor<days>(time);
    const year_month_day ymd{date};
    const hh_mm_ss clock{time - date};
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02dZ", static_cast<int>(ymd.year()),
                  static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()),
                  static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()),
                  static_cast<int>(clock.seconds().count()));
    return text;
}

std::string formatRecord(const HistoryRecord& record) {
    std::string line;
    line.reserve(32 + record.userId.size() + record.before.size() + record.after.size());
    appendQuoted(line, isoTime(record.time));
    line += ',';
    appendQuoted(line, record.userId);
    line += ',';
    appendQuoted(line, text::decimal(record.field));
    line += ',';
    appendQuoted(line, record.before);
    line += ',';
    appendQuoted(line, record.after);
    line += "\r\n";
    return line;
}

std::optional<HistoryRecord> parseRecord(std::string_view line) {
    auto fields = splitFields(line);
    if (!fields || fields->size() != kColumns) {
        return std::nullopt;
    }
    const auto time = parseIsoTime((*fields)[0]);
    const auto field = numberOf<int16_t>((*fields)[2]);
    if (!time || !field) {
        return std::nullopt;
    }
    return HistoryRecord{*time, std::move((*fields)[1]), *field, std::move((*fields)[3]), std::move((*fields)[4])};
}

Content parse(std::string_view bytes) {
    Content content;
    while (!bytes.empty()) {
        const size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.empty() || line == kHeader) {
            continue;
        }
        if (auto record = parseRecord(line)) {
            content.records.push_back(std::move(*record));
        } else {
            ++content.badLines;
        }
    }
    return content;
}

void append(const std::string& path, const HistoryRecord& record) {
    os::appendWhole(path, kHeaderLine, formatRecord(record));
}

} // namespace corvane::ChangeHistory

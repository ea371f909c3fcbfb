#include "tests/support/ReferenceProfileReader.h"

#include "common/Text.h"

#include <vector>

namespace corvane::test {
namespace {

struct Line {
    std::string_view text; // without its line end
    size_t begin, next;    // where it starts, and where the line after it starts
};

// Lines end in CR LF, LF or CR; a text that ends in a line end has no empty line after it.
std::vector<Line> splitLines(std::string_view bytes) {
    std::vector<Line> lines;
    size_t begin = 0;
    for (size_t at = 0; at < bytes.size(); ++at) {
        if (bytes[at] == '\r' || bytes[at] == '\n') {
            const size_t end = at;
            if (bytes[at] == '\r' && at + 1 < bytes.size() && bytes[at + 1] == '\n') {
                ++at;
            }
            lines.push_back({bytes.substr(begin, end - begin), begin, at + 1});
            begin = at + 1;
        }
    }
    if (begin < bytes.size()) {
        lines.push_back({bytes.substr(begin), begin, bytes.size()});
    }
    return lines;
}

// A header is a line whose first byte after blanks is "[" with a "]" later on the line; its name
// lies between that "[" and the line's last "]".
std::optional<std::string_view> headerName(std::string_view line) {
    const std::string_view rest = text::trimLeadingBlanks(line);
    if (rest.empty() || rest.front() != '[') {
        return std::nullopt;
    }
    const size_t close = rest.rfind(']');
    if (close == 0 || close == std::string_view::npos) {
        return std::nullopt;
    }
    return text::trimBlanks(rest.substr(1, close - 1));
}

std::string unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

// A section's body: where it lies and its lines. Section "" is the part before the first header,
// whatever the headers are called; otherwise only the first section of the name counts.
struct Body {
    size_t begin, end;
    std::vector<Line> lines;
};

std::optional<Body> sectionBody(std::string_view bytes, std::string_view section) {
    section = text::trimBlanks(section);
    std::optional<Body> body;
    if (section.empty()) {
        body = Body{0, bytes.size(), {}};
    }
    for (const Line& line : splitLines(bytes)) {
        const auto name = headerName(line.text);
        if (name && body) {
            body->end = line.begin;
            return body;
        }
        if (name && !section.empty() && text::equalsIgnoreCase(*name, section)) {
            body = Body{line.next, bytes.size(), {}};
        } else if (body) {
            body->lines.push_back(line);
        }
    }
    return body;
}

} // namespace

std::optional<std::string> referenceFind(std::string_view bytes, std::string_view section, std::string_view key) {
    const auto body = sectionBody(bytes, section);
    if (!body) {
        return std::nullopt;
    }
    key = text::trimBlanks(key);
    for (const Line& line : body->lines) {
        const size_t equals = line.text.find('=');
        if (equals != std::string_view::npos &&
            text::equalsIgnoreCase(text::trimBlanks(line.text.substr(0, equals)), key)) {
            return unquote(text::trimBlanks(line.text.substr(equals + 1)));
        }
    }
    return std::nullopt;
}

std::optional<std::pair<size_t, size_t>> referenceSectionBody(std::string_view bytes, std::string_view section) {
    const auto body = sectionBody(bytes, section);
    if (!body) {
        return std::nullopt;
    }
    return std::pair{body->begin, body->end};
}

} // namespace corvane::test

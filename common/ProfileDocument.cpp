#include "common/ProfileDocument.h"

#include "common/FileIo.h"
#include "common/RuntimeError.h"
#include "common/Text.h"

#include <algorithm>

namespace corvane {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Where the line starting at `begin` ends: its CR or LF, or the end of the text. Lists of users
// make lines tens of kilobytes long, so the ends are searched with memchr, a block at a time; the
// blocks keep a file with one kind of line end only from being searched to its end for the other.
size_t lineEndFrom(std::string_view all, size_t begin) {
    constexpr size_t kBlock = 4096;
    for (size_t from = begin; from < all.size(); from += kBlock) {
        const std::string_view block = all.substr(from, kBlock);
        const size_t end = std::min(block.find('\r'), block.find('\n'));
        if (end != std::string_view::npos) {
            return from + end;
        }
    }
    return all.size();
}

std::string_view unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

} // namespace

ProfileDocument ProfileDocument::load(const std::string& path) {
    try {
        return ProfileDocument(readWholeFile(path));
    } catch (const RuntimeError&) {
        return ProfileDocument(); // the profile functions read an unreadable file as an empty one
    }
}

ProfileDocument::Line ProfileDocument::lineAt(size_t begin) const {
    const size_t end = lineEndFrom(bytes_, begin);
    if (end == bytes_.size()) {
        return {begin, end, end};
    }
    size_t next = end + 1;
    if (bytes_[end] == '\r' && next < bytes_.size() && bytes_[next] == '\n') {
        ++next;
    }
    return {begin, end, next};
}

// A "[" opens a section when it stands first on its line (after blanks) and a "]" follows it on
// that line; the name lies between the "[" and the line's last "]".
std::optional<ProfileDocument::Line> ProfileDocument::headerAt(size_t bracket, size_t from,
                                                               std::string_view* name) const {
    const std::string_view all(bytes_);
    size_t lineBegin = bracket;
    while (lineBegin > from && !isLineEnd(all[lineBegin - 1])) {
        --lineBegin;
    }
    if (!text::trimBlanks(all.substr(lineBegin, bracket - lineBegin)).empty()) {
        return std::nullopt;
    }
    const Line line = lineAt(lineBegin);
    const size_t close = all.substr(0, line.end).rfind(']');
    if (close == std::string_view::npos || close < bracket) {
        return std::nullopt;
    }
    *name = text::trimBlanks(all.substr(bracket + 1, close - bracket - 1));
    return line;
}

// Headers are found by jumping from one "[" to the next, so a large file is crossed at memchr speed.
std::optional<ProfileDocument::Line> ProfileDocument::nextHeader(size_t from, std::string_view* name) const {
    const std::string_view all(bytes_);
    for (size_t bracket = all.find('[', from); bracket != std::string_view::npos;
         bracket = all.find('[', bracket + 1)) {
        if (auto header = headerAt(bracket, from, name)) {
            return header;
        }
    }
    return std::nullopt;
}

std::optional<ProfileDocument::Section> ProfileDocument::findSection(std::string_view name) const {
    if (!lastSection_ || lastSection_->first != name) {
        lastSection_.emplace(std::string(name), searchSection(name));
    }
    return lastSection_->second;
}

std::optional<ProfileDocument::Section> ProfileDocument::searchSection(std::string_view name) const {
    name = text::trimBlanks(name);
    std::string_view headerName;
    if (name.empty()) {
        const auto first = nextHeader(0, &headerName);
        return Section{0, first ? first->begin : bytes_.size()};
    }
    const std::string_view all(bytes_);
    for (size_t bracket = all.find('['); bracket != std::string_view::npos; bracket = all.find('[', bracket + 1)) {
        // Most headers name another section: rule them out by their first letters before looking
        // at the whole line.
        const std::string_view after = text::trimLeadingBlanks(all.substr(bracket + 1));
        if (!text::equalsIgnoreCase(after.substr(0, name.size()), name)) {
            continue;
        }
        const auto header = headerAt(bracket, 0, &headerName);
        if (header && text::equalsIgnoreCase(headerName, name)) {
            const auto following = nextHeader(header->next, &headerName);
            return Section{header->next, following ? following->begin : bytes_.size()};
        }
    }
    return std::nullopt;
}

std::optional<ProfileDocument::Line> ProfileDocument::findKeyLine(const Section& section, std::string_view key,
                                                                  std::string_view* storedKey,
                                                                  std::string_view* value) const {
    key = text::trimBlanks(key);
    const std::string_view all(bytes_);
    for (size_t at = section.bodyBegin; at < section.bodyEnd;) {
        const Line line = lineAt(at);
        const std::string_view content = all.substr(line.begin, line.end - line.begin);
        const size_t equals = content.find('=');
        if (equals != std::string_view::npos) {
            const std::string_view name = text::trimBlanks(content.substr(0, equals));
            if (text::equalsIgnoreCase(name, key)) {
                *storedKey = name;
                *value = text::trimBlanks(content.substr(equals + 1));
                return line;
            }
        }
        at = line.next;
    }
    return std::nullopt;
}

std::optional<std::string_view> ProfileDocument::find(std::string_view section, std::string_view key) const& {
    const auto found = findSection(section);
    if (!found) {
        return std::nullopt;
    }
    std::string_view storedKey;
    std::string_view value;
    if (!findKeyLine(*found, key, &storedKey, &value)) {
        return std::nullopt;
    }
    return unquote(value);
}

// A new key goes right after the section's last line that is not blank, so blank lines that
// separate it from the next section stay where they are.
size_t ProfileDocument::appendPointOf(const Section& section) {
    size_t point = section.bodyBegin;
    for (size_t at = section.bodyBegin; at < section.bodyEnd;) {
        const Line line = lineAt(at);
        if (!text::trimBlanks(std::string_view(bytes_).substr(line.begin, line.end - line.begin)).empty()) {
            point = line.next;
        }
        at = line.next;
    }
    if (point > 0 && !isLineEnd(bytes_[point - 1])) {
        bytes_.insert(point, kLineEnd);
        point += kLineEnd.size();
    }
    return point;
}

bool ProfileDocument::set(std::string_view section, std::string_view key, std::optional<std::string_view> value) {
    // The text changes: the section found last may have moved, grown or come into being. Nothing here
    // fills the memory again before the change.
    lastSection_.reset();
    key = text::trimBlanks(key);
    const std::string entry = value ? std::string(key) + "=" + std::string(text::trimLeadingBlanks(*value)) : "";
    const auto found = searchSection(section);
    if (!found) {
        if (!value) {
            return false;
        }
        if (!bytes_.empty() && !isLineEnd(bytes_.back())) {
            bytes_ += kLineEnd;
        }
        bytes_ +=
            "[" + std::string(text::trimBlanks(section)) + "]" + std::string(kLineEnd) + entry + std::string(kLineEnd);
        return true;
    }
    std::string_view storedKey;
    std::string_view oldValue;
    const auto line = findKeyLine(*found, key, &storedKey, &oldValue);
    if (!line) {
        if (!value) {
            return false;
        }
        const size_t point = appendPointOf(*found);
        bytes_.insert(point, entry + std::string(kLineEnd));
        return true;
    }
    if (!value) {
        bytes_.erase(line->begin, line->next - line->begin);
        return true;
    }
    // An existing key keeps the spelling it was stored with.
    const std::string replacement = std::string(storedKey) + entry.substr(key.size());
    if (bytes_.compare(line->begin, line->end - line->begin, replacement) == 0) {
        return false;
    }
    bytes_.replace(line->begin, line->end - line->begin, replacement);
    return true;
}

} // namespace corvane

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

// Where the line starting at `begin` ends: its CR or LF, or the end of the text. Most lines are
// short, so their first bytes are looked at one by one. Lists of users make lines tens of kilobytes
// long, so the rest is searched with memchr, a block at a time; the blocks keep a file with one kind
// of line end only from being searched to its end for the other. They start small and grow, and CR
// is sought only before the LF, so a line's search costs about as much as the line.
size_t lineEndFrom(std::string_view all, size_t begin) {
    constexpr size_t kBytewise = 16;
    constexpr size_t kFirstBlock = 64;
    constexpr size_t kLargestBlock = 4096;
    const size_t bytewiseEnd = std::min(all.size(), begin + kBytewise);
    for (size_t at = begin; at < bytewiseEnd; ++at) {
        if (isLineEnd(all[at])) {
            return at;
        }
    }
    for (size_t from = bytewiseEnd, block = kFirstBlock; from < all.size();
         from += block, block = std::min(block * 2, kLargestBlock)) {
        const std::string_view part = all.substr(from, block);
        const size_t lf = part.find('\n');
        const size_t end = std::min(lf, part.substr(0, lf).find('\r'));
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

ProfileDocument::ProfileDocument(ProfileDocument&& other) noexcept
    : bytes_(std::move(other.bytes_)), lastSection_(std::move(other.lastSection_)) {
    other.clear();
}

ProfileDocument& ProfileDocument::operator=(ProfileDocument&& other) noexcept {
    if (this != &other) {
        bytes_ = std::move(other.bytes_);
        lastSection_ = std::move(other.lastSection_);
        other.clear();
    }
    return *this;
}

void ProfileDocument::clear() noexcept {
    bytes_.clear();
    lastSection_.reset();
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

// Lines that may open a section are found by jumping from one "[" to the next, so a large file is
// crossed at memchr speed. Only the first "[" of a line, after blanks, can open one: once a "[" has
// been looked at, any other "[" on its line is passed over by going to the next line, so every byte
// is looked at a bounded number of times however many "[" a line holds. `from` starts a line, or
// follows a "[" already looked at when `atLineStart` is false.
std::optional<ProfileDocument::Opening> ProfileDocument::nextOpening(size_t from, bool atLineStart) const {
    const std::string_view all(bytes_);
    for (size_t at = from; at < all.size();) {
        const size_t bracket = all.find('[', at);
        if (bracket == std::string_view::npos) {
            return std::nullopt;
        }
        const std::string_view before = text::trimBlanks(all.substr(at, bracket - at));
        if (before.empty() && atLineStart) {
            return Opening{at, bracket};
        }
        if (!before.empty() && isLineEnd(before.back())) {
            return Opening{static_cast<size_t>(before.data() + before.size() - all.data()), bracket};
        }
        at = lineAt(bracket).next;
        atLineStart = true;
    }
    return std::nullopt;
}

// The name lies between the "[" and the line's last "]"; without a "]" the line opens nothing.
std::optional<std::string_view> ProfileDocument::sectionNameOf(const Opening& opening, const Line& line) const {
    const std::string_view rest = std::string_view(bytes_).substr(opening.bracket + 1, line.end - opening.bracket - 1);
    const size_t close = rest.rfind(']');
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return text::trimBlanks(rest.substr(0, close));
}

std::optional<ProfileDocument::Line> ProfileDocument::nextHeader(size_t from) const {
    for (auto opening = nextOpening(from, true); opening;) {
        const Line line = lineAt(opening->lineBegin);
        if (sectionNameOf(*opening, line)) {
            return line;
        }
        opening = nextOpening(line.next, true);
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
    if (name.empty()) {
        const auto first = nextHeader(0);
        return Section{0, first ? first->begin : bytes_.size()};
    }
    const std::string_view all(bytes_);
    for (auto opening = nextOpening(0, true); opening;) {
        // Most headers name another section: rule them out by their first letters, without looking
        // for the end of their line.
        const std::string_view after = text::trimLeadingBlanks(all.substr(opening->bracket + 1));
        if (!text::equalsIgnoreCase(after.substr(0, name.size()), name)) {
            opening = nextOpening(opening->bracket + 1, false);
            continue;
        }
        const Line line = lineAt(opening->lineBegin);
        const auto headerName = sectionNameOf(*opening, line);
        if (headerName && text::equalsIgnoreCase(*headerName, name)) {
            const auto following = nextHeader(line.next);
            return Section{line.next, following ? following->begin : bytes_.size()};
        }
        opening = nextOpening(line.next, true);
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

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace corvane {

/// An INI file read and changed the way the Windows profile functions do it: section and key names
/// match without regard to case, blanks around names and values are dropped, one pair of quotes
/// around a value is removed, only the first matching section and key count, and lines may end in
/// CR LF, LF or CR. A change touches only the line of its key (or adds one); every other byte of
/// the file stays as it was. Section "" is the part before the first section.
class ProfileDocument {
public:
    explicit ProfileDocument(std::string bytes = {}) : bytes_(std::move(bytes)) {}

    // A copy has the same text, so the section found last holds for it too. A moved string is left
    // in no particular state: a document moved from is emptied, memory included, so that no position
    // outlives its text.
    ProfileDocument(const ProfileDocument& other) = default;
    ProfileDocument(ProfileDocument&& other) noexcept;
    ProfileDocument& operator=(const ProfileDocument& other) = default;
    ProfileDocument& operator=(ProfileDocument&& other) noexcept;
    ~ProfileDocument() = default;

    /// The file's content; a file that is missing or cannot be read gives an empty document.
    static ProfileDocument load(const std::string& path);

    /// The value of a key, or nothing when the section or key is absent. The view points into the
    /// document, so it is not offered on a temporary.
    std::optional<std::string_view> find(std::string_view section, std::string_view key) const&;
    std::optional<std::string_view> find(std::string_view section, std::string_view key) const&& = delete;

    /// Writes `key=value` into the section, adding the section (at the end of the file) and the key
    /// (after the section's last line) as needed; a value loses its leading blanks. Without a value
    /// the key's line is removed. Returns whether the content changed.
    bool set(std::string_view section, std::string_view key, std::optional<std::string_view> value);

    const std::string& bytes() const noexcept { return bytes_; }

private:
    struct Line {
        size_t begin, end, next; // content [begin, end); the next line starts at `next`
    };
    struct Section {
        size_t bodyBegin, bodyEnd;
    };

    // A "[" that stands first on its line, after blanks: only such a one can open a section.
    struct Opening {
        size_t lineBegin, bracket;
    };

    Line lineAt(size_t begin) const;
    std::optional<Opening> nextOpening(size_t from, bool atLineStart) const;
    std::optional<std::string_view> sectionNameOf(const Opening& opening, const Line& line) const;
    std::optional<Line> nextHeader(size_t from) const;
    std::optional<Section> findSection(std::string_view name) const;
    std::optional<Section> searchSection(std::string_view name) const;
    std::optional<Line> findKeyLine(const Section& section, std::string_view key, std::string_view* storedKey,
                                    std::string_view* value) const;
    size_t appendPointOf(const Section& section);
    void clear() noexcept;

    std::string bytes_;
    // The section found last, so that reading several keys of one section crosses the file once.
    mutable std::optional<std::pair<std::string, std::optional<Section>>> lastSection_;
};

} // namespace corvane

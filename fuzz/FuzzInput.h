#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace corvane::fuzz {

/// A fuzzer's input read as fields: each field runs up to a separator byte (which it does not
/// include) or to the end. Seed files stay writable by hand, and every byte string is some input.
class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : rest_(reinterpret_cast<const char*>(data), size) {}
    explicit FuzzInput(std::string_view text) : rest_(text) {}

    /// The next field, up to `separator`; the empty field once the input is used up.
    std::string_view field(char separator) {
        const size_t end = rest_.find(separator);
        const std::string_view taken = rest_.substr(0, end);
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        return taken;
    }

    bool atEnd() const noexcept { return rest_.empty(); }

private:
    std::string_view rest_;
};

} // namespace corvane::fuzz

#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace corvane::forms {

/// Design properties of a list view column.
struct ColumnProps {
    std::string text;
    std::string key;
    /// Width in twips.
    int32_t width = 0;
};

/// A column of a list view in report view. Columns lie side by side from the list's left edge.
class ColumnHeader {
public:
    ColumnHeader(ColumnProps props, int index, int32_t left) : props_(std::move(props)), index_(index), left_(left) {}

    const std::string& Text() const { return props_.text; }
    const std::string& Key() const { return props_.key; }
    /// Position from 1.
    int Index() const { return index_; }
    /// Left edge in twips, in the list's own coordinates.
    int32_t Left() const { return left_; }
    int32_t Width() const { return props_.width; }

private:
    ColumnProps props_;
    int index_;
    int32_t left_;
};

} // namespace corvane::forms

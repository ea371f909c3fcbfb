#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace corvane::forms {

class ListView;

/// A row of a list view: key, text, sub-items (the texts of the further columns), tag, check mark and
/// selection. Position and geometry come from its list.
class ListItem {
public:
    ListItem(ListView& list, std::string key, std::string text);
    ListItem(const ListItem&) = delete;
    ListItem& operator=(const ListItem&) = delete;

    /// Position from 1.
    int Index() const;
    const std::string& Key() const { return key_; }
    const std::string& Text() const { return text_; }
    void setText(std::string text);
    /// Text of column `column + 1`; "" when never set.
    std::string SubItems(int column) const;
    /// VB's error 380 for a column the list does not have.
    void setSubItems(int column, std::string text);
    const std::string& Tag() const { return tag_; }
    void setTag(std::string tag) { tag_ = std::move(tag); }
    bool Checked() const { return checked_; }
    /// Sets the check mark; only the user's check fires the list's `ItemCheck`.
    void setChecked(bool checked);
    bool Selected() const { return selected_; }
    /// Selecting an item clears the selection of the others.
    void setSelected(bool selected);
    /// Top edge in twips, in the list's own coordinates.
    int32_t Top() const;
    int32_t Height() const;
    /// Changes with every change of the item's texts, check mark or selection, to a number no item of
    /// its list had before: a backend redraws only the rows whose revision it has not shown.
    uint64_t Revision() const { return revision_; }

private:
    friend class ListView;
    void changed();

    ListView& list_;
    std::string key_;
    std::string text_;
    std::vector<std::string> subItems_;
    std::string tag_;
    bool checked_ = false;
    bool selected_ = false;
    uint64_t revision_;
};

} // namespace corvane::forms

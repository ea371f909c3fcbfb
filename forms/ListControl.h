#pragma once

#include "forms/Control.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace corvane::forms {

/// Design properties of a ListControl beyond `ControlProps`.
struct ListControlOptions {
    /// Items added without a position take their place in alphabetical order, ignoring case.
    bool sorted = false;
};

/// What combo boxes and list boxes share: items with their item data, sorted insertion, the
/// selection `ListIndex` and `Click`.
class ListControl : public Control {
public:
    using Options = ListControlOptions;

    bool canFocus() const override { return true; }

    bool Sorted() const { return options_.sorted; }
    int32_t ListCount() const { return static_cast<int32_t>(items_.size()); }
    /// The item's text; "" past the end, as VB gives.
    std::string List(int32_t index) const;
    /// Replaces an item's text in place (a sorted list does not move it).
    void setList(int32_t index, std::string text);
    int32_t ItemData(int32_t index) const;
    void setItemData(int32_t index, int32_t data);
    /// Position of the item added last, -1 when none.
    int32_t NewIndex() const { return newIndex_; }

    /// Adds an item at its sorted place (sorted list) or at the end.
    void AddItem(std::string text);
    /// Inserts an item at a position, also in a sorted list; VB's error 5 past the end.
    void AddItem(std::string text, int32_t index);
    /// Appends items in their given order, also in a sorted list, as `AddItem(text, ListCount())`
    /// one by one would; the view learns of them once, not once per item.
    void AppendItems(std::vector<std::string> texts);
    /// Removes an item; the selection follows its item, or becomes -1 when it was removed.
    void RemoveItem(int32_t index);
    /// Removes every item; nothing is selected then.
    void Clear();

    /// Selected item's position, -1 for none.
    int32_t ListIndex() const { return listIndex_; }
    /// Selects an item (-1 for none) and fires `Click`; VB's error 380 outside -1 .. ListCount - 1.
    void setListIndex(int32_t index);

    std::function<void()> Click;

    /// The user picks an item (mouse or keys): it is selected and `Click` fires.
    void userSelect(int32_t index);

    /// Case-insensitive order of a sorted list.
    static bool lessIgnoringCase(const std::string& a, const std::string& b);
    /// A key whose plain byte order is that order: `lessIgnoringCase(a, b)` is `sortKey(a) < sortKey(b)`.
    /// Sorting many items by their keys spares folding each character at every comparison.
    static std::string sortKey(const std::string& text);

protected:
    ListControl(Container& parent, ControlProps props, Options options);

private:
    struct Item {
        std::string text;
        int32_t data = 0;
    };
    Item& at(int32_t index);
    const Item& at(int32_t index) const;
    void insertAt(int32_t index, std::string text);

    Options options_;
    std::vector<Item> items_;
    int32_t listIndex_ = -1;
    int32_t newIndex_ = -1;
};

} // namespace corvane::forms

#pragma once

#include "forms/ListItem.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace corvane::forms {

class ListView;

/// The items of a list view, from 1 as in VB.
class ListItems {
public:
    explicit ListItems(ListView& list) : list_(list) {}
    ListItems(const ListItems&) = delete;
    ListItems& operator=(const ListItems&) = delete;

    /// Adds an item at the end. A key that another item has is VB's error 35602.
    ListItem& Add(std::string key, std::string text);
    int Count() const { return static_cast<int>(items_.size()); }
    /// The item at a position from 1; VB's error 35600 outside.
    ListItem& Item(int index);
    /// The item with that key, or null.
    ListItem* find(const std::string& key);
    void Clear();

    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    ListView& list_;
    std::vector<std::unique_ptr<ListItem>> items_;
    std::unordered_map<std::string, ListItem*> byKey_; // keys never change once an item is added
};

} // namespace corvane::forms

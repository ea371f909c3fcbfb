#include "forms/ListItems.h"

#include "common/RuntimeError.h"
#include "forms/ListView.h"

#include <utility>

namespace corvane::forms {

namespace {
constexpr int kIndexOutOfBounds = 35600;
constexpr int kKeyNotUnique = 35602;
} // namespace

ListItem& ListItems::Add(std::string key, std::string text) {
    if (!key.empty() && find(key) != nullptr) {
        throw RuntimeError(kKeyNotUnique, "Key is not unique in collection");
    }
    items_.push_back(std::make_unique<ListItem>(list_, std::move(key), std::move(text)));
    if (!items_.back()->Key().empty()) {
        byKey_.emplace(items_.back()->Key(), items_.back().get());
    }
    list_.itemChanged();
    return *items_.back();
}

ListItem& ListItems::Item(int index) {
    if (index < 1 || index > Count()) {
        throw RuntimeError(kIndexOutOfBounds, "Index out of bounds");
    }
    return *items_[static_cast<size_t>(index - 1)];
}

ListItem* ListItems::find(const std::string& key) {
    const auto found = byKey_.find(key);
    return found == byKey_.end() ? nullptr : found->second;
}

void ListItems::Clear() {
    items_.clear();
    byKey_.clear();
    list_.itemChanged();
}

} // namespace corvane::forms

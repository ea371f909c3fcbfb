#include "trigger/SortedItems.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace corvane::trigger {

void addItemsSorted(forms::ListControl& list, std::vector<std::string> items) {
    struct Keyed {
        std::string key;
        std::string text;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(items.size());
    for (std::string& item : items) {
        keyed.push_back({forms::ListControl::sortKey(item), std::move(item)});
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) { return a.key < b.key; });
    // In order already: each item belongs at the end, which spares the list its search, and the
    // view takes them all in one change rather than one per item.
    std::vector<std::string> sorted;
    sorted.reserve(keyed.size());
    for (Keyed& item : keyed) {
        sorted.push_back(std::move(item.text));
    }
    list.AppendItems(std::move(sorted));
}

int32_t addFileItemsSorted(forms::ListControl& list, FieldSettingsReader& reader) {
    std::vector<std::string> items;
    reader.readItems([&](std::string_view item) { items.emplace_back(item); });
    const auto count = static_cast<int32_t>(items.size());
    addItemsSorted(list, std::move(items));
    return count;
}

} // namespace corvane::trigger

#include "trigger/SortedItems.h"

#include <algorithm>
#include <utility>

namespace corvane::trigger {

void addItemsSorted(forms::ListControl& list, std::vector<std::string> items) {
    std::stable_sort(items.begin(), items.end(), forms::ListControl::lessIgnoringCase);
    // In order already: each item belongs at the end, which spares the list its search.
    for (std::string& item : items) {
        list.AddItem(std::move(item), list.ListCount());
    }
}

} // namespace corvane::trigger

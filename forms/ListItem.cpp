#include "forms/ListItem.h"

#include "common/RuntimeError.h"
#include "forms/ListView.h"

#include <utility>

namespace corvane::forms {

ListItem::ListItem(ListView& list, std::string key, std::string text)
    : list_(list), key_(std::move(key)), text_(std::move(text)), revision_(list.nextRevision()) {}

int ListItem::Index() const {
    return list_.indexOf(*this);
}

void ListItem::setText(std::string text) {
    text_ = std::move(text);
    changed();
}

std::string ListItem::SubItems(int column) const {
    return column >= 1 && static_cast<size_t>(column) <= subItems_.size() ? subItems_[static_cast<size_t>(column - 1)]
                                                                          : std::string();
}

void ListItem::setSubItems(int column, std::string text) {
    if (column < 1 || column >= list_.ColumnCount()) {
        throw RuntimeError(vberr::InvalidPropertyValue);
    }
    if (subItems_.size() < static_cast<size_t>(column)) {
        subItems_.resize(static_cast<size_t>(column));
    }
    subItems_[static_cast<size_t>(column - 1)] = std::move(text);
    changed();
}

void ListItem::setChecked(bool checked) {
    checked_ = checked;
    changed();
}

void ListItem::setSelected(bool selected) {
    if (selected) {
        list_.clearSelection();
    }
    selected_ = selected;
    changed();
}

void ListItem::changed() {
    revision_ = list_.nextRevision();
    list_.itemChanged();
}

int32_t ListItem::Top() const {
    return list_.HeaderHeight() + (Index() - 1) * list_.RowHeight() - list_.ScrollOffset();
}

int32_t ListItem::Height() const {
    return list_.RowHeight();
}

} // namespace corvane::forms

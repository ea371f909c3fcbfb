#include "forms/ListView.h"

#include "common/RuntimeError.h"
#include "forms/Form.h"
#include "forms/ImageList.h"
#include "forms/Runtime.h"

#include <algorithm>
#include <utility>

namespace corvane::forms {

namespace {
constexpr int kIndexOutOfBounds = 35600;
constexpr int kElementNotFound = 35601;
} // namespace

ListView::ListView(Container& parent, ControlProps props, Options options)
    : Control(parent, std::move(props)), options_(std::move(options)), items_(*this) {
    for (const ColumnProps& column : options_.columns) {
        appendColumn(column);
    }
}

void ListView::appendColumn(ColumnProps props) {
    const int32_t left = columns_.empty() ? 0 : columns_.back().Left() + columns_.back().Width();
    columns_.emplace_back(std::move(props), ColumnCount() + 1, left);
}

void ListView::AddColumn(ColumnProps props) {
    appendColumn(std::move(props));
    changed();
}

const ColumnHeader& ListView::ColumnHeaders(int index) const {
    if (index < 1 || index > ColumnCount()) {
        throw RuntimeError(kIndexOutOfBounds, "Index out of bounds");
    }
    return columns_[static_cast<size_t>(index - 1)];
}

const ColumnHeader& ListView::ColumnHeaders(std::string_view key) const {
    for (const ColumnHeader& column : columns_) {
        if (column.Key() == key) {
            return column;
        }
    }
    throw RuntimeError(kElementNotFound, "Element not found");
}

ListItem* ListView::SelectedItem() {
    for (const auto& item : items_) {
        if (item->Selected()) {
            return item.get();
        }
    }
    return nullptr;
}

ListItem* ListView::HitTest(float x, float y) {
    int32_t width = columns_.empty() ? 0 : columns_.back().Left() + columns_.back().Width();
    float rowsTop = static_cast<float>(HeaderHeight());
    if (x < 0 || x >= static_cast<float>(width) || y < rowsTop) {
        return nullptr;
    }
    auto row = static_cast<int>((y - rowsTop + static_cast<float>(scrollOffset_)) / static_cast<float>(RowHeight()));
    return row < items_.Count() ? &items_.Item(row + 1) : nullptr;
}

void ListView::setSmallIcons(const ImageList* images) {
    smallIcons_ = images;
    changed();
}

int32_t ListView::HeaderHeight() {
    return kHeaderPixels * runtime().screen().TwipsPerPixelY();
}

int32_t ListView::RowHeight() {
    int32_t pixels = kDefaultRowPixels;
    if (smallIcons_ != nullptr) {
        pixels = std::max(pixels, smallIcons_->ImageHeight());
    }
    return pixels * runtime().screen().TwipsPerPixelY();
}

void ListView::userMouseUp(int button, int shift, float x, float y) {
    form().userFocus(*this);
    if (ListItem* item = HitTest(x, y)) {
        item->setSelected(true);
    }
    runtime().raise(MouseUp, button, shift, x, y);
}

void ListView::userCheck(ListItem& item, bool checked) {
    if (item.Checked() == checked) {
        return;
    }
    item.setChecked(checked);
    runtime().raise(ItemCheck, item);
}

int ListView::indexOf(const ListItem& item) const {
    int index = 1;
    for (const auto& each : items_) {
        if (each.get() == &item) {
            return index;
        }
        ++index;
    }
    return 0;
}

void ListView::clearSelection() {
    for (const auto& item : items_) {
        if (item->selected_) {
            item->selected_ = false;
            item->revision_ = nextRevision();
        }
    }
}

} // namespace corvane::forms

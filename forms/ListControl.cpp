#include "forms/ListControl.h"

#include "common/RuntimeError.h"
#include "forms/Form.h"
#include "forms/Runtime.h"

#include <algorithm>
#include <utility>

namespace corvane::forms {

namespace {
constexpr int kInvalidPropertyArrayIndex = 381;

// ASCII letters fold as std::tolower does in the "C" locale, without its call per character:
// sorting a list of thousands of items compares millions of characters.
unsigned char lower(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 'A' && u <= 'Z' ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}
} // namespace

ListControl::ListControl(Container& parent, ControlProps props, Options options)
    : Control(parent, std::move(props)), options_(options) {}

bool ListControl::lessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return lower(x) < lower(y); });
}

std::string ListControl::sortKey(const std::string& text) {
    std::string key(text.size(), '\0');
    std::transform(text.begin(), text.end(), key.begin(), [](char c) { return static_cast<char>(lower(c)); });
    return key;
}

ListControl::Item& ListControl::at(int32_t index) {
    if (index < 0 || index >= ListCount()) {
        throw RuntimeError(kInvalidPropertyArrayIndex, "Invalid property array index");
    }
    return items_[static_cast<size_t>(index)];
}

const ListControl::Item& ListControl::at(int32_t index) const {
    return const_cast<ListControl*>(this)->at(index);
}

std::string ListControl::List(int32_t index) const {
    return index >= 0 && index < ListCount() ? items_[static_cast<size_t>(index)].text : std::string();
}

void ListControl::setList(int32_t index, std::string text) {
    at(index).text = std::move(text);
    changed();
}

int32_t ListControl::ItemData(int32_t index) const {
    return at(index).data;
}

void ListControl::setItemData(int32_t index, int32_t data) {
    at(index).data = data;
}

void ListControl::AddItem(std::string text) {
    auto position = items_.end();
    if (options_.sorted) {
        // After any equal items, so items that compare equal keep the order they were added in.
        position = std::upper_bound(items_.begin(), items_.end(), text, [](const std::string& t, const Item& item) {
            return lessIgnoringCase(t, item.text);
        });
    }
    insertAt(static_cast<int32_t>(position - items_.begin()), std::move(text));
}

void ListControl::AddItem(std::string text, int32_t index) {
    if (index < 0 || index > ListCount()) {
        throw RuntimeError(vberr::InvalidProcedureCall);
    }
    insertAt(index, std::move(text));
}

void ListControl::AppendItems(std::vector<std::string> texts) {
    if (texts.empty()) {
        return;
    }
    items_.reserve(items_.size() + texts.size());
    for (std::string& text : texts) {
        items_.push_back(Item{std::move(text), 0});
    }
    newIndex_ = ListCount() - 1;
    changed();
}

void ListControl::insertAt(int32_t index, std::string text) {
    items_.insert(items_.begin() + index, Item{std::move(text), 0});
    newIndex_ = index;
    if (listIndex_ >= index) {
        ++listIndex_;
    }
    changed();
}

void ListControl::RemoveItem(int32_t index) {
    if (index < 0 || index >= ListCount()) {
        throw RuntimeError(vberr::InvalidProcedureCall);
    }
    items_.erase(items_.begin() + index);
    if (listIndex_ == index) {
        listIndex_ = -1;
    } else if (listIndex_ > index) {
        --listIndex_;
    }
    newIndex_ = -1;
    changed();
}

void ListControl::Clear() {
    items_.clear();
    listIndex_ = -1;
    newIndex_ = -1;
    changed();
}

void ListControl::setListIndex(int32_t index) {
    if (index < -1 || index >= ListCount()) {
        throw RuntimeError(vberr::InvalidPropertyValue);
    }
    listIndex_ = index;
    changed();
    runtime().raise(Click);
}

void ListControl::userSelect(int32_t index) {
    form().userFocus(*this);
    setListIndex(index);
}

} // namespace corvane::forms

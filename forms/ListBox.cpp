#include "forms/ListBox.h"

#include "common/RuntimeError.h"
#include "forms/Runtime.h"

#include <utility>

namespace corvane::forms {

ListBox::ListBox(Container& parent, ControlProps props, Options options)
    : ListControl(parent, std::move(props), options) {}

void ListBox::setTopIndex(int32_t index) {
    if (index < 0 || (index >= ListCount() && index != 0)) {
        throw RuntimeError(vberr::InvalidPropertyValue);
    }
    topIndex_ = index;
    changed();
}

void ListBox::userDoubleClick(int32_t index) {
    userSelect(index);
    runtime().raise(DblClick);
}

void ListBox::userKeyPress(int16_t keyAscii) {
    runtime().raise(KeyPress, keyAscii);
}

} // namespace corvane::forms

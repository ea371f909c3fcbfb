#pragma once

#include "forms/ControlArrayError.h"
#include "forms/ControlProps.h"

#include <memory>
#include <utility>
#include <vector>

namespace corvane::forms {

class Container;

/// An indexed array of controls of one kind, e.g. `chkScreen(0..11)`. Elements may sit in different
/// containers. The form binds each element's handler with its index:
/// `chkScreen(i).Click = [this, i] { chkScreen_Click(i); };`.
template <class T> class ControlArray {
public:
    ControlArray() = default;
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    /// Creates an element; `props.index` is its index in the array.
    T& add(Container& parent, ControlProps props, typename T::Options options = {}) {
        elements_.push_back(std::make_unique<T>(parent, std::move(props), std::move(options)));
        return *elements_.back();
    }

    /// The element with that index; VB's error 340 when there is none.
    T& operator()(int index) {
        for (auto& element : elements_) {
            if (element->Index() == index) {
                return *element;
            }
        }
        throw controlArrayError(index);
    }

    int count() const { return static_cast<int>(elements_.size()); }

private:
    std::vector<std::unique_ptr<T>> elements_;
};

} // namespace corvane::forms

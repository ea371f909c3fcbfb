#pragma once

#include "common/RuntimeError.h"

#include <cstdint>

namespace corvane::forms {

/// Position and size in twips with VB's property names, shared by forms and controls. `Self` keeps
/// them in its `props_` (left, top, width, height) and is told of every move through `changed()`.
template <class Self> class Placement {
public:
    int32_t Left() const { return props().left; }
    int32_t Top() const { return props().top; }
    int32_t Width() const { return props().width; }
    int32_t Height() const { return props().height; }
    void setLeft(int32_t left) { Move(left, Top(), Width(), Height()); }
    void setTop(int32_t top) { Move(Left(), top, Width(), Height()); }
    void setWidth(int32_t width) { Move(Left(), Top(), width, Height()); }
    void setHeight(int32_t height) { Move(Left(), Top(), Width(), height); }

    /// A negative size is VB's "Invalid property value".
    void Move(int32_t left, int32_t top, int32_t width, int32_t height) {
        if (width < 0 || height < 0) {
            throw RuntimeError(vberr::InvalidPropertyValue);
        }
        auto& bounds = self().props_;
        bounds.left = left;
        bounds.top = top;
        bounds.width = width;
        bounds.height = height;
        self().changed();
    }

protected:
    Placement() = default;
    ~Placement() = default;

private:
    Self& self() { return static_cast<Self&>(*this); }
    const auto& props() const { return static_cast<const Self&>(*this).props_; }
};

} // namespace corvane::forms

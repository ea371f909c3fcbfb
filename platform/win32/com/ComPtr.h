#pragma once

#include "platform/win32/ui/WinApi.h"

#include <utility>

namespace corvane::win32::com {

/// Owns one reference to a COM interface and releases it once. Move-only: a copy would have to add a
/// reference, and forgetting to is how double releases happen.
template <class Interface> class ComPtr {
public:
    ComPtr() = default;
    /// Takes over a reference the caller owns (as an out-parameter hands one over).
    explicit ComPtr(Interface* pointer) : pointer_(pointer) {}
    ~ComPtr() { reset(); }
    ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            reset();
            pointer_ = std::exchange(other.pointer_, nullptr);
        }
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    /// A new reference to an interface someone else owns.
    static ComPtr shared(Interface* pointer) {
        if (pointer != nullptr) {
            pointer->AddRef();
        }
        return ComPtr(pointer);
    }

    Interface* get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }
    /// For an out-parameter: releases what is held and gives the slot to fill.
    Interface** put() {
        reset();
        return &pointer_;
    }
    void reset() {
        if (pointer_ != nullptr) {
            std::exchange(pointer_, nullptr)->Release();
        }
    }
    /// Another interface of the same object, or an empty pointer when it has none.
    template <class Other> ComPtr<Other> query(REFIID iid) const {
        ComPtr<Other> other;
        if (pointer_ != nullptr) {
            pointer_->QueryInterface(iid, reinterpret_cast<void**>(other.put()));
        }
        return other;
    }

private:
    Interface* pointer_ = nullptr;
};

} // namespace corvane::win32::com

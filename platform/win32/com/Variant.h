#pragma once

#include "platform/win32/com/ComPtr.h"
#include "platform/win32/ui/WinApi.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane::win32::com {

/// Owns a VARIANT and clears it once. Reading it as a type converts as VB does (VariantChangeType):
/// a value that does not convert is VB's "Type mismatch" (13), one out of range "Overflow" (6).
class Variant {
public:
    Variant() { VariantInit(&value_); }
    ~Variant() { VariantClear(&value_); }
    Variant(Variant&& other) noexcept : value_(other.value_) { VariantInit(&other.value_); }
    Variant& operator=(Variant&& other) noexcept {
        if (this != &other) {
            VariantClear(&value_);
            value_ = other.value_;
            VariantInit(&other.value_);
        }
        return *this;
    }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;

    static Variant ofInt16(int16_t value);
    static Variant ofInt32(int32_t value);
    static Variant ofText(std::string_view value);

    VARIANT* get() { return &value_; }
    const VARIANT& value() const { return value_; }

    int16_t toInt16() const;
    int32_t toInt32() const;
    bool toBool() const;
    std::string toText() const;
    /// The object it holds; VB's "Object required" (424) for anything else.
    ComPtr<IDispatch> toObject() const;

private:
    /// A converted copy; fails as VB does.
    Variant as(VARTYPE type) const;

    VARIANT value_;
};

} // namespace corvane::win32::com

#include "platform/win32/com/Variant.h"

#include "common/RuntimeError.h"
#include "platform/win32/com/ComError.h"
#include "platform/win32/com/ComText.h"

namespace corvane::win32::com {

namespace {
constexpr int kObjectRequired = 424;
} // namespace

Variant Variant::ofInt16(int16_t value) {
    Variant variant;
    variant.value_.vt = VT_I2;
    variant.value_.iVal = value;
    return variant;
}

Variant Variant::ofInt32(int32_t value) {
    Variant variant;
    variant.value_.vt = VT_I4;
    variant.value_.lVal = value;
    return variant;
}

Variant Variant::ofText(std::string_view value) {
    Variant variant;
    const std::wstring wide = wideOf(value);
    variant.value_.vt = VT_BSTR;
    variant.value_.bstrVal = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    return variant;
}

Variant Variant::as(VARTYPE type) const {
    Variant converted;
    // VariantChangeType only reads its source, though its declaration does not say so.
    const HRESULT result = VariantChangeType(converted.get(), const_cast<VARIANT*>(&value_), 0, type);
    if (FAILED(result)) {
        throw errorOf(result);
    }
    return converted;
}

int16_t Variant::toInt16() const {
    return as(VT_I2).value_.iVal;
}

int32_t Variant::toInt32() const {
    return as(VT_I4).value_.lVal;
}

bool Variant::toBool() const {
    return as(VT_BOOL).value_.boolVal != VARIANT_FALSE;
}

std::string Variant::toText() const {
    const Variant text = as(VT_BSTR);
    return ansiOf(text.value_.bstrVal, SysStringLen(text.value_.bstrVal));
}

ComPtr<IDispatch> Variant::toObject() const {
    if (value_.vt == VT_DISPATCH && value_.pdispVal != nullptr) {
        return ComPtr<IDispatch>::shared(value_.pdispVal);
    }
    if (value_.vt == VT_UNKNOWN && value_.punkVal != nullptr) {
        ComPtr<IDispatch> object;
        if (SUCCEEDED(value_.punkVal->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(object.put())))) {
            return object;
        }
    }
    throw RuntimeError(kObjectRequired, "Object required");
}

} // namespace corvane::win32::com

#include "tests/win32com/RecordingObject.h"

#include <array>
#include <cwchar>

namespace corvane::win32::com::test {

namespace {
enum Member : DISPID { Echo = 1, Raise, RaiseForeign, Mismatch, Break };

constexpr std::array<const wchar_t*, 5> kNames{L"Echo", L"Raise", L"RaiseForeign", L"Mismatch", L"Break"};

std::wstring textOf(const VARIANT& value) {
    VARIANT text;
    VariantInit(&text);
    if (FAILED(VariantChangeType(&text, const_cast<VARIANT*>(&value), 0, VT_BSTR))) {
        return L"?";
    }
    std::wstring result(text.bstrVal, SysStringLen(text.bstrVal));
    VariantClear(&text);
    return result;
}

HRESULT raise(EXCEPINFO* exception, HRESULT code, const wchar_t* description) {
    if (exception != nullptr) {
        *exception = {};
        exception->scode = code;
        exception->bstrDescription = SysAllocString(description);
        exception->bstrSource = SysAllocString(L"Test object");
    }
    return DISP_E_EXCEPTION;
}
} // namespace

HRESULT RecordingObject::QueryInterface(REFIID iid, void** object) {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
        AddRef();
        *object = static_cast<IDispatch*>(this);
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

HRESULT RecordingObject::GetTypeInfoCount(UINT* count) {
    *count = 0;
    return S_OK;
}

HRESULT RecordingObject::GetTypeInfo(UINT, LCID, ITypeInfo** type) {
    *type = nullptr;
    return E_NOTIMPL;
}

HRESULT RecordingObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    ++namesAsked;
    for (UINT i = 0; i < count; ++i) {
        ids[i] = DISPID_UNKNOWN;
    }
    for (size_t known = 0; known < kNames.size(); ++known) {
        if (count == 1 && std::wcscmp(names[0], kNames[known]) == 0) {
            ids[0] = static_cast<DISPID>(known + 1);
            return S_OK;
        }
    }
    return DISP_E_UNKNOWNNAME;
}

HRESULT RecordingObject::Invoke(DISPID member, REFIID, LCID, WORD callFlags, DISPPARAMS* parameters, VARIANT* result,
                                EXCEPINFO* exception, UINT*) {
    flags = callFlags;
    arguments.clear();
    // Last to first in the array: the call's first argument is the array's last.
    for (UINT i = parameters->cArgs; i > 0; --i) {
        const VARIANT& passed = parameters->rgvarg[i - 1];
        VARIANT value;
        VariantInit(&value);
        VariantCopyInd(&value, const_cast<VARIANT*>(&passed));
        arguments.push_back({passed.vt, textOf(value)});
        VariantClear(&value);
    }
    switch (member) {
    case Echo:
        if (parameters->cArgs > 0 && result != nullptr) {
            VariantCopyInd(result, &parameters->rgvarg[parameters->cArgs - 1]);
        }
        return S_OK;
    case Raise:
        return raise(exception, static_cast<HRESULT>(0x800A0000 | 440), L"The contact went away");
    case RaiseForeign:
        return raise(exception, E_ACCESSDENIED, L"Access is denied to the test object");
    case Mismatch:
        return DISP_E_TYPEMISMATCH;
    case Break:
        return E_UNEXPECTED;
    default:
        return DISP_E_MEMBERNOTFOUND;
    }
}

} // namespace corvane::win32::com::test

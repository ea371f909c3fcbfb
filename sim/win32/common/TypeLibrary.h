#pragma once

#include "sim/win32/common/ComObject.h"

#include <string>

namespace corvane::sim::win32 {

/// The simulated ACT!'s type library (typelib/Actsim.idl), read from the TYPELIB resource that
/// actsim.exe and actevent.dll both carry.
class TypeLibrary {
public:
    /// The library of that module; fails with 429 when the module carries none.
    explicit TypeLibrary(HMODULE module);

    ITypeLib& library() const { return *library_.get(); }
    /// Path of the file that holds it, as a registration names it.
    const std::wstring& file() const { return file_; }
    /// The description of an interface or class; fails with 429 for one the library does not hold.
    com::ComPtr<ITypeInfo> typeOf(REFGUID guid) const;

private:
    std::wstring file_;
    com::ComPtr<ITypeLib> library_;
};

/// IDispatch::GetTypeInfoCount and GetTypeInfo of an object that one type describes.
HRESULT oneTypeInfo(UINT* count);
HRESULT typeInfoAt(ITypeInfo& type, UINT index, ITypeInfo** given);

} // namespace corvane::sim::win32

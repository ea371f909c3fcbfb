#include "sim/win32/common/TypeLibrary.h"
#include "platform/win32/files/ModulePath.h"

#include "common/RuntimeError.h"
#include "platform/win32/com/ComText.h"
#include "sim/win32/common/Files.h"

namespace corvane::sim::win32 {

TypeLibrary::TypeLibrary(HMODULE module) : file_(com::wideOf(corvane::win32::modulePath(module))) {
    if (FAILED(LoadTypeLibEx(file_.c_str(), REGKIND_NONE, library_.put()))) {
        throw RuntimeError(vberr::CantCreateObject);
    }
}

com::ComPtr<ITypeInfo> TypeLibrary::typeOf(REFGUID guid) const {
    com::ComPtr<ITypeInfo> type;
    if (FAILED(library_->GetTypeInfoOfGuid(guid, type.put()))) {
        throw RuntimeError(vberr::CantCreateObject);
    }
    return type;
}

HRESULT oneTypeInfo(UINT* count) {
    if (count == nullptr) {
        return E_POINTER;
    }
    *count = 1;
    return S_OK;
}

HRESULT typeInfoAt(ITypeInfo& type, UINT index, ITypeInfo** given) {
    if (given == nullptr) {
        return E_POINTER;
    }
    *given = nullptr;
    if (index != 0) {
        return DISP_E_BADINDEX;
    }
    type.AddRef();
    *given = &type;
    return S_OK;
}

} // namespace corvane::sim::win32

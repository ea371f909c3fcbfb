#include "sim/win32/common/ComServing.h"

#include "platform/win32/com/ComPtr.h"
#include "platform/win32/com/ComText.h"

namespace corvane::sim::win32 {

namespace com = ::corvane::win32::com;

namespace {
constexpr const char* kSource = "actsim";

/// A new BSTR that the receiver frees.
BSTR handedOver(std::string_view ansi) {
    const std::wstring wide = com::wideOf(ansi);
    return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}
} // namespace

HRESULT vbResultOf(int number) {
    return MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, static_cast<unsigned>(number) & 0xFFFFU);
}

HRESULT raise(const RuntimeError& error) {
    com::ComPtr<ICreateErrorInfo> created;
    if (SUCCEEDED(CreateErrorInfo(created.put()))) {
        std::wstring description = com::wideOf(error.description());
        std::wstring source = com::wideOf(kSource);
        created->SetGUID(GUID_NULL);
        created->SetDescription(description.data());
        created->SetSource(source.data());
        if (auto info = created.query<IErrorInfo>(IID_IErrorInfo)) {
            SetErrorInfo(0, info.get());
        }
    }
    return vbResultOf(error.number());
}

void describe(const RuntimeError& error, EXCEPINFO* exception) {
    if (exception == nullptr) {
        return;
    }
    *exception = {};
    exception->scode = vbResultOf(error.number());
    exception->bstrSource = handedOver(kSource);
    exception->bstrDescription = handedOver(error.description());
}

} // namespace corvane::sim::win32

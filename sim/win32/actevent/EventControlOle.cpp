// The event control as an OLE object: a container sites it and closes it; it is invisible at run time,
// so it has no verbs, extent, data or advise sinks of its own.
#include "sim/win32/actevent/EventControl.h"

#include "sim/win32/common/ActsimTypes.h"

namespace corvane::sim::win32 {

HRESULT EventControl::SetClientSite(IOleClientSite* site) {
    site_ = com::ComPtr<IOleClientSite>::shared(site);
    return S_OK;
}

HRESULT EventControl::GetClientSite(IOleClientSite** site) {
    if (site == nullptr) {
        return E_POINTER;
    }
    *site = site_.get();
    if (*site != nullptr) {
        (*site)->AddRef();
    }
    return S_OK;
}

HRESULT EventControl::SetHostNames(LPCOLESTR, LPCOLESTR) {
    return S_OK;
}

HRESULT EventControl::Close(DWORD) {
    unlink();
    site_.reset();
    return S_OK;
}

HRESULT EventControl::SetMoniker(DWORD, IMoniker*) {
    return E_NOTIMPL;
}

HRESULT EventControl::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
    if (moniker != nullptr) {
        *moniker = nullptr;
    }
    return E_NOTIMPL;
}

HRESULT EventControl::InitFromData(IDataObject*, BOOL, DWORD) {
    return E_NOTIMPL;
}

HRESULT EventControl::GetClipboardData(DWORD, IDataObject** data) {
    if (data != nullptr) {
        *data = nullptr;
    }
    return E_NOTIMPL;
}

HRESULT EventControl::DoVerb(LONG, LPMSG, IOleClientSite*, LONG, HWND, LPCRECT) {
    return OLEOBJ_S_CANNOT_DOVERB_NOW;
}

HRESULT EventControl::EnumVerbs(IEnumOLEVERB** verbs) {
    if (verbs != nullptr) {
        *verbs = nullptr;
    }
    return OLEOBJ_E_NOVERBS;
}

HRESULT EventControl::Update() {
    return S_OK;
}

HRESULT EventControl::IsUpToDate() {
    return S_OK;
}

HRESULT EventControl::GetUserClassID(CLSID* classId) {
    if (classId == nullptr) {
        return E_POINTER;
    }
    *classId = __uuidof(ActEvent);
    return S_OK;
}

HRESULT EventControl::GetUserType(DWORD, LPOLESTR* name) {
    if (name != nullptr) {
        *name = nullptr;
    }
    return OLE_S_USEREG;
}

HRESULT EventControl::SetExtent(DWORD, SIZEL*) {
    return E_NOTIMPL;
}

HRESULT EventControl::GetExtent(DWORD, SIZEL*) {
    return E_NOTIMPL;
}

HRESULT EventControl::Advise(IAdviseSink*, DWORD* connection) {
    if (connection != nullptr) {
        *connection = 0;
    }
    return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT EventControl::Unadvise(DWORD) {
    return OLE_E_NOCONNECTION;
}

HRESULT EventControl::EnumAdvise(IEnumSTATDATA** advises) {
    if (advises != nullptr) {
        *advises = nullptr;
    }
    return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT EventControl::GetMiscStatus(DWORD, DWORD* status) {
    if (status == nullptr) {
        return E_POINTER;
    }
    *status = OLEMISC_INVISIBLEATRUNTIME | OLEMISC_SETCLIENTSITEFIRST;
    return S_OK;
}

HRESULT EventControl::SetColorScheme(LOGPALETTE*) {
    return E_NOTIMPL;
}

} // namespace corvane::sim::win32

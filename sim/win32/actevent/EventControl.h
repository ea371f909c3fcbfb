#pragma once

#include "sim/win32/actevent/ActsimLink.h"
#include "sim/win32/actevent/EventConnectionPoint.h"
#include "sim/win32/actevent/ModuleUsage.h"
#include "sim/win32/actevent/PollWindow.h"
#include "sim/win32/common/ComObject.h"
#include "sim/win32/common/TypeLibrary.h"

#include <memory>

namespace corvane::sim::win32 {

/// The simulated ACT!'s event control "ACTEVENTLib.ActEvent", an ActiveX control that is invisible at
/// run time and asks nothing of its container. It reaches the actsim that runs when it is made
/// (`ActsimLink`). Operation 1 gives 1 while actsim runs with a database open, else 0; operation 3
/// whether a database is open; operation 2 ends the link, after which the control reaches no actsim.
/// Every 100 ms a timer of the host's thread reads the events actsim's engine recorded and raises them
/// in every advised sink (the coclass's default source interface). With no actsim, operation 1 gives
/// 0, operation 3 false and no event comes.
class EventControl final : public ComObject<IDispatch, IOleObject, IProvideClassInfo, IConnectionPointContainer> {
public:
    explicit EventControl(std::shared_ptr<const TypeLibrary> library);
    ~EventControl() override;

    // IDispatch: the operations by dispatch number (_DActEvent).
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** type) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID iid, LCID, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception, UINT* wrongArgument) override;

    // IProvideClassInfo and IConnectionPointContainer: the events.
    HRESULT STDMETHODCALLTYPE GetClassInfo(ITypeInfo** type) override;
    /// The one connection point is found by its interface; it is not listed.
    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** points) override;
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** point) override;

    // IOleObject (EventControlOle.cpp): sited, closed, and never shown.
    HRESULT STDMETHODCALLTYPE SetClientSite(IOleClientSite* site) override;
    HRESULT STDMETHODCALLTYPE GetClientSite(IOleClientSite** site) override;
    HRESULT STDMETHODCALLTYPE SetHostNames(LPCOLESTR, LPCOLESTR) override;
    HRESULT STDMETHODCALLTYPE Close(DWORD saveOption) override;
    HRESULT STDMETHODCALLTYPE SetMoniker(DWORD, IMoniker*) override;
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** moniker) override;
    HRESULT STDMETHODCALLTYPE InitFromData(IDataObject*, BOOL, DWORD) override;
    HRESULT STDMETHODCALLTYPE GetClipboardData(DWORD, IDataObject** data) override;
    HRESULT STDMETHODCALLTYPE DoVerb(LONG, LPMSG, IOleClientSite*, LONG, HWND, LPCRECT) override;
    HRESULT STDMETHODCALLTYPE EnumVerbs(IEnumOLEVERB** verbs) override;
    HRESULT STDMETHODCALLTYPE Update() override;
    HRESULT STDMETHODCALLTYPE IsUpToDate() override;
    HRESULT STDMETHODCALLTYPE GetUserClassID(CLSID* classId) override;
    HRESULT STDMETHODCALLTYPE GetUserType(DWORD, LPOLESTR* name) override;
    HRESULT STDMETHODCALLTYPE SetExtent(DWORD, SIZEL*) override;
    HRESULT STDMETHODCALLTYPE GetExtent(DWORD, SIZEL*) override;
    HRESULT STDMETHODCALLTYPE Advise(IAdviseSink*, DWORD* connection) override;
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD) override;
    HRESULT STDMETHODCALLTYPE EnumAdvise(IEnumSTATDATA** advises) override;
    HRESULT STDMETHODCALLTYPE GetMiscStatus(DWORD, DWORD* status) override;
    HRESULT STDMETHODCALLTYPE SetColorScheme(LOGPALETTE*) override;

private:
    void poll();
    /// Ends the link to actsim: no operation reaches it and no event comes after this.
    void unlink();
    int32_t operation1();
    bool operation3();

    ModuleUsage::Reference use_;
    std::shared_ptr<const TypeLibrary> library_;
    com::ComPtr<ITypeInfo> operations_;
    com::ComPtr<EventConnectionPoint> events_;
    com::ComPtr<IOleClientSite> site_;
    std::unique_ptr<ActsimLink> link_;   // null without an actsim
    std::unique_ptr<PollWindow> poller_; // runs while linked
};

} // namespace corvane::sim::win32

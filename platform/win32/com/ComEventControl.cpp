#include "platform/win32/com/ComEventControl.h"

#include "common/RuntimeError.h"

#include <map>
#include <string>

namespace corvane::win32::com {

namespace {
constexpr DISPID kOperation1 = 1;
constexpr DISPID kOperation2 = 2;
constexpr DISPID kOperation3 = 3;

[[noreturn]] void cannotCreate() {
    throw RuntimeError(vberr::CantCreateObject);
}

/// The control's default source interface: its id and its type information, from the class
/// information the control gives.
struct SourceInterface {
    IID iid{};
    ComPtr<ITypeInfo> type;
};

SourceInterface defaultSourceOf(IUnknown& control) {
    ComPtr<IProvideClassInfo> provider;
    if (FAILED(control.QueryInterface(IID_IProvideClassInfo, reinterpret_cast<void**>(provider.put())))) {
        cannotCreate();
    }
    ComPtr<ITypeInfo> coclass;
    TYPEATTR* attributes = nullptr;
    if (FAILED(provider->GetClassInfo(coclass.put())) || FAILED(coclass->GetTypeAttr(&attributes))) {
        cannotCreate();
    }
    const WORD implemented = attributes->cImplTypes;
    coclass->ReleaseTypeAttr(attributes);
    for (UINT i = 0; i < implemented; ++i) {
        INT flags = 0;
        HREFTYPE reference = 0;
        ComPtr<ITypeInfo> type;
        if (FAILED(coclass->GetImplTypeFlags(i, &flags)) ||
            (flags & (IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE)) !=
                (IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE) ||
            FAILED(coclass->GetRefTypeOfImplType(i, &reference)) ||
            FAILED(coclass->GetRefTypeInfo(reference, type.put())) || FAILED(type->GetTypeAttr(&attributes))) {
            continue;
        }
        SourceInterface source{attributes->guid, std::move(type)};
        source.type->ReleaseTypeAttr(attributes);
        return source;
    }
    cannotCreate();
}

/// The names of an interface's members by dispatch number.
std::map<DISPID, std::wstring> memberNames(ITypeInfo& type) {
    std::map<DISPID, std::wstring> names;
    TYPEATTR* attributes = nullptr;
    if (FAILED(type.GetTypeAttr(&attributes))) {
        return names;
    }
    const WORD functions = attributes->cFuncs;
    type.ReleaseTypeAttr(attributes);
    for (UINT i = 0; i < functions; ++i) {
        FUNCDESC* function = nullptr;
        if (FAILED(type.GetFuncDesc(i, &function))) {
            continue;
        }
        BSTR name = nullptr;
        UINT count = 0;
        if (SUCCEEDED(type.GetNames(function->memid, &name, 1, &count)) && count == 1) {
            names[function->memid] = std::wstring(name, SysStringLen(name));
            SysFreeString(name);
        }
        type.ReleaseFuncDesc(function);
    }
    return names;
}

/// A reference count for the host's own COM objects, which live as long as someone holds them.
class RefCounted {
protected:
    ULONG addRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    template <class Self> ULONG release(Self* self) {
        const auto left = static_cast<ULONG>(InterlockedDecrement(&references_));
        if (left == 0) {
            delete self;
        }
        return left;
    }

private:
    LONG references_ = 1;
};
} // namespace

// COM interfaces have no virtual destructor: an object ends its own life in Release, and nobody
// deletes it through an interface pointer.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

/// The client site the control is given: a container that asks nothing of it.
class ControlSite final : public IOleClientSite, private RefCounted {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite)) {
            AddRef();
            *object = static_cast<IOleClientSite*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return addRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return release(this); }
    HRESULT STDMETHODCALLTYPE SaveObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** moniker) override {
        *moniker = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) override {
        *container = nullptr;
        return E_NOINTERFACE;
    }
    HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }
};

/// The sink of the control's source interface: it queues every event, by name, for the host.
class EventReceiver final : public IDispatch, private RefCounted {
public:
    EventReceiver(IID source, std::map<DISPID, std::wstring> names, ComEventControl& host)
        : source_(source), names_(std::move(names)), host_(&host) {}

    /// The host is going: later events go nowhere.
    void forget() { host_ = nullptr; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, source_)) {
            AddRef();
            *object = static_cast<IDispatch*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return addRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return release(this); }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** type) override {
        *type = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        auto name = names_.find(member);
        if (host_ != nullptr && name != names_.end()) {
            host_->queue({name->second, firstArgument(parameters)});
        }
        return S_OK;
    }

private:
    static int32_t firstArgument(const DISPPARAMS* parameters) {
        if (parameters == nullptr || parameters->cArgs == 0) {
            return 0;
        }
        VARIANT number;
        VariantInit(&number);
        // The arguments come last to first.
        const HRESULT converted = VariantChangeType(&number, &parameters->rgvarg[parameters->cArgs - 1], 0, VT_I4);
        return SUCCEEDED(converted) ? number.lVal : 0;
    }

    IID source_;
    std::map<DISPID, std::wstring> names_;
    ComEventControl* host_;
};

#pragma GCC diagnostic pop

ComEventControl::ComEventControl(const CLSID& classId) {
    if (FAILED(CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                reinterpret_cast<void**>(control_.put())))) {
        cannotCreate();
    }
    site_ = ComPtr<ControlSite>(new ControlSite());
    control_->SetClientSite(site_.get());
    if (auto persist = control_.query<IPersistStreamInit>(IID_IPersistStreamInit)) {
        persist->InitNew();
    }
    auto dispatch = control_.query<IDispatch>(IID_IDispatch);
    if (!dispatch) {
        cannotCreate();
    }
    operations_.emplace(std::move(dispatch));
    connect();
}

ComEventControl::~ComEventControl() {
    *alive_ = false;
    disconnect();
    control_->SetClientSite(nullptr);
    control_->Close(OLECLOSE_NOSAVE);
}

void ComEventControl::connect() {
    SourceInterface source = defaultSourceOf(*control_.get());
    auto container = control_.query<IConnectionPointContainer>(IID_IConnectionPointContainer);
    if (!container || FAILED(container->FindConnectionPoint(source.iid, connection_.put()))) {
        cannotCreate();
    }
    receiver_ = ComPtr<EventReceiver>(new EventReceiver(source.iid, memberNames(*source.type.get()), *this));
    if (FAILED(connection_->Advise(receiver_.get(), &cookie_))) {
        cannotCreate();
    }
}

void ComEventControl::disconnect() {
    if (receiver_) {
        receiver_->forget();
    }
    if (connection_ && cookie_ != 0) {
        connection_->Unadvise(cookie_);
        cookie_ = 0;
    }
}

int32_t ComEventControl::Operation1(int32_t value) {
    return operations_->call(kOperation1, Argument::int32(value)).toInt32();
}

void ComEventControl::Operation2() {
    operations_->call(kOperation2);
    disconnect();
    events_.clear();
}

bool ComEventControl::Operation3() {
    return operations_->call(kOperation3).toBool();
}

void ComEventControl::PumpEvents() {
    const std::weak_ptr<bool> alive = alive_;
    while (!events_.empty() && sink_ != nullptr) {
        const Event event = events_.front();
        events_.pop_front();
        if (event.name == L"OnActUserWantsToClose") {
            sink_->OnActUserWantsToClose(event.argument);
        } else if (event.name == L"OnDatabaseClose") {
            sink_->OnDatabaseClose();
        }
        // The form may have gone with its control while the event ran.
        if (alive.expired()) {
            return;
        }
    }
}

} // namespace corvane::win32::com

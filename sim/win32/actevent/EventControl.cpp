#include "sim/win32/actevent/EventControl.h"

#include "common/RuntimeError.h"
#include "sim/win32/common/ActsimTypes.h"
#include "sim/win32/common/ComServing.h"
#include "sim/win32/common/Files.h"

namespace corvane::sim::win32 {

namespace {
constexpr UINT kPollMs = 100;
constexpr DISPID kOperation1 = 1;
constexpr DISPID kOperation2 = 2;
constexpr DISPID kOperation3 = 3;
constexpr DISPID kOnActUserWantsToClose = 1;
constexpr DISPID kOnDatabaseClose = 2;
} // namespace

EventControl::EventControl(std::shared_ptr<const TypeLibrary> library)
    : library_(std::move(library)), operations_(library_->typeOf(__uuidof(_DActEvent))),
      events_(new EventConnectionPoint(__uuidof(_DActEventEvents), *this)), link_(ActsimLink::toRunningActsim()) {
    if (link_) {
        poller_ = std::make_unique<PollWindow>(thisModule(), kPollMs, [this] { poll(); });
    }
}

EventControl::~EventControl() {
    events_->forget();
}

void EventControl::unlink() {
    poller_.reset();
    link_.reset();
}

int32_t EventControl::operation1() {
    return link_ && link_->actRunsWithDatabase() ? 1 : 0;
}

bool EventControl::operation3() {
    return link_ && link_->databaseOpen();
}

void EventControl::poll() {
    std::vector<ActEventRecord> events;
    try {
        events = link_->newEvents();
    } catch (const RuntimeError&) {
        return; // the shared database is busy or gone; the next tick tries again
    }
    // A sink may release the control while it handles an event, or end the link.
    const auto keep = com::ComPtr<IDispatch>::shared(this);
    for (const ActEventRecord& event : events) {
        if (!link_) {
            return;
        }
        if (event.kind == ActEventKind::UserWantsToClose) {
            events_->fire(kOnActUserWantsToClose, {event.argument});
        } else {
            events_->fire(kOnDatabaseClose, {});
        }
    }
}

HRESULT EventControl::GetTypeInfoCount(UINT* count) {
    return oneTypeInfo(count);
}

HRESULT EventControl::GetTypeInfo(UINT index, LCID, ITypeInfo** type) {
    return typeInfoAt(*operations_.get(), index, type);
}

HRESULT EventControl::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (!IsEqualIID(iid, IID_NULL)) {
        return DISP_E_UNKNOWNINTERFACE;
    }
    return operations_->GetIDsOfNames(names, count, ids);
}

HRESULT EventControl::Invoke(DISPID member, REFIID iid, LCID, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                             EXCEPINFO* exception, UINT* wrongArgument) {
    if (!IsEqualIID(iid, IID_NULL)) {
        return DISP_E_UNKNOWNINTERFACE;
    }
    if ((flags & (DISPATCH_METHOD | DISPATCH_PROPERTYGET)) == 0 || parameters == nullptr) {
        return DISP_E_MEMBERNOTFOUND;
    }
    if (member != kOperation1 && member != kOperation2 && member != kOperation3) {
        return DISP_E_MEMBERNOTFOUND;
    }
    if (parameters->cArgs != (member == kOperation1 ? 1U : 0U)) {
        return DISP_E_BADPARAMCOUNT;
    }
    VARIANT value;
    VariantInit(&value);
    if (member == kOperation1) {
        // The value asked about changes nothing; it must still be a number.
        if (const HRESULT read = DispGetParam(parameters, 0, VT_I4, &value, wrongArgument); FAILED(read)) {
            return read;
        }
    }
    try {
        if (member == kOperation1) {
            value.vt = VT_I4;
            value.lVal = operation1();
        } else if (member == kOperation3) {
            value.vt = VT_BOOL;
            value.boolVal = operation3() ? VARIANT_TRUE : VARIANT_FALSE;
        } else {
            unlink();
            value.vt = VT_EMPTY;
        }
    } catch (const RuntimeError& error) {
        describe(error, exception);
        return DISP_E_EXCEPTION;
    }
    if (result != nullptr) {
        *result = value;
    }
    return S_OK;
}

HRESULT EventControl::GetClassInfo(ITypeInfo** type) {
    if (type == nullptr) {
        return E_POINTER;
    }
    *type = nullptr;
    return serve([&] {
        const com::ComPtr<ITypeInfo> coclass = library_->typeOf(__uuidof(ActEvent));
        coclass->AddRef();
        *type = coclass.get();
    });
}

HRESULT EventControl::EnumConnectionPoints(IEnumConnectionPoints** points) {
    if (points != nullptr) {
        *points = nullptr;
    }
    return E_NOTIMPL;
}

HRESULT EventControl::FindConnectionPoint(REFIID iid, IConnectionPoint** point) {
    if (point == nullptr) {
        return E_POINTER;
    }
    *point = nullptr;
    if (!IsEqualIID(iid, __uuidof(_DActEventEvents))) {
        return CONNECT_E_NOCONNECTION;
    }
    events_->AddRef();
    *point = events_.get();
    return S_OK;
}

} // namespace corvane::sim::win32

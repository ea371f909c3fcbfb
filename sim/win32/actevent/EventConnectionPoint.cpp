#include "sim/win32/actevent/EventConnectionPoint.h"

#include <vector>

namespace corvane::sim::win32 {

void EventConnectionPoint::fire(DISPID event, std::initializer_list<int32_t> arguments) {
    // Invoke takes the arguments last to first.
    std::vector<VARIANTARG> passed;
    for (auto argument = std::rbegin(arguments); argument != std::rend(arguments); ++argument) {
        VARIANTARG value;
        VariantInit(&value);
        value.vt = VT_I4;
        value.lVal = *argument;
        passed.push_back(value);
    }
    DISPPARAMS parameters{passed.data(), nullptr, static_cast<UINT>(passed.size()), 0};
    // A sink may unadvise, or advise another, while it handles the event.
    std::vector<com::ComPtr<IDispatch>> sinks;
    for (const auto& [cookie, sink] : sinks_) {
        sinks.push_back(com::ComPtr<IDispatch>::shared(sink.get()));
    }
    for (const auto& sink : sinks) {
        sink->Invoke(event, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &parameters, nullptr, nullptr, nullptr);
    }
}

HRESULT EventConnectionPoint::GetConnectionInterface(IID* iid) {
    if (iid == nullptr) {
        return E_POINTER;
    }
    *iid = source_;
    return S_OK;
}

HRESULT EventConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** container) {
    if (container == nullptr) {
        return E_POINTER;
    }
    *container = container_;
    if (container_ == nullptr) {
        return E_UNEXPECTED;
    }
    container_->AddRef();
    return S_OK;
}

HRESULT EventConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
    if (sink == nullptr || cookie == nullptr) {
        return E_POINTER;
    }
    *cookie = 0;
    com::ComPtr<IDispatch> dispatch;
    if (FAILED(sink->QueryInterface(source_, reinterpret_cast<void**>(dispatch.put()))) &&
        FAILED(sink->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(dispatch.put())))) {
        return CONNECT_E_CANNOTCONNECT;
    }
    *cookie = nextCookie_++;
    sinks_.emplace(*cookie, std::move(dispatch));
    return S_OK;
}

HRESULT EventConnectionPoint::Unadvise(DWORD cookie) {
    return sinks_.erase(cookie) == 1 ? S_OK : CONNECT_E_NOCONNECTION;
}

HRESULT EventConnectionPoint::EnumConnections(IEnumConnections** connections) {
    if (connections != nullptr) {
        *connections = nullptr;
    }
    return E_NOTIMPL;
}

} // namespace corvane::sim::win32

#pragma once

#include "sim/win32/actevent/ModuleUsage.h"
#include "sim/win32/common/ComObject.h"

#include <olectl.h>

#include <cstdint>
#include <initializer_list>
#include <map>

namespace corvane::sim::win32 {

/// The event control's connection point for its default source interface: sinks advise and unadvise,
/// and `fire` calls every advised sink's IDispatch::Invoke by the event's dispatch number.
class EventConnectionPoint final : public ComObject<IConnectionPoint> {
public:
    /// The container owns the point and tells it when it goes (`forget`).
    EventConnectionPoint(const IID& source, IConnectionPointContainer& container)
        : source_(source), container_(&container) {}

    void forget() { container_ = nullptr; }
    /// Raises the event with these arguments (32-bit numbers, first to last) in every advised sink.
    void fire(DISPID event, std::initializer_list<int32_t> arguments);

    HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
    HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** container) override;
    HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
    /// The sinks are not listed.
    HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** connections) override;

private:
    ModuleUsage::Reference use_;
    IID source_;
    IConnectionPointContainer* container_; // the owner, or null once it went
    std::map<DWORD, com::ComPtr<IDispatch>> sinks_;
    DWORD nextCookie_ = 1;
};

} // namespace corvane::sim::win32

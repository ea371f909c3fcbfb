#pragma once

#include "sim/win32/actevent/ModuleUsage.h"
#include "sim/win32/common/ComObject.h"

namespace corvane::sim::win32 {

/// The class object of the event control in actevent.dll.
class EventControlFactory final : public ComObject<IClassFactory> {
public:
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
    /// A lock keeps the DLL loaded, whichever class object took it.
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

private:
    ModuleUsage::Reference use_;
};

} // namespace corvane::sim::win32

#include "sim/win32/actevent/EventControlFactory.h"

#include "sim/win32/actevent/EventControl.h"
#include "sim/win32/common/ComServing.h"
#include "sim/win32/common/Files.h"

namespace corvane::sim::win32 {

HRESULT EventControlFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object) {
    return newInstance(outer, iid, object, [] {
        return com::ComPtr<EventControl>(new EventControl(std::make_shared<const TypeLibrary>(thisModule())));
    });
}

HRESULT EventControlFactory::LockServer(BOOL lock) {
    if (lock != FALSE) {
        ModuleUsage::add();
    } else {
        ModuleUsage::remove();
    }
    return S_OK;
}

} // namespace corvane::sim::win32

// actevent.dll: the simulated ACT!'s event control, loaded into the programs' processes as ACT!'s own
// would be. actsim.exe registers it (InprocServer32, apartment-threaded).
#include "sim/win32/actevent/EventControlFactory.h"
#include "sim/win32/actevent/ModuleUsage.h"
#include "sim/win32/actevent/PollWindow.h"
#include "sim/win32/common/ActsimTypes.h"

#include <new>

using namespace corvane::sim::win32;

STDAPI DllGetClassObject(REFCLSID classId, REFIID iid, LPVOID* object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    if (!IsEqualCLSID(classId, __uuidof(ActEvent))) {
        return CLASS_E_CLASSNOTAVAILABLE;
    }
    auto* created = new (std::nothrow) EventControlFactory();
    if (created == nullptr) {
        return E_OUTOFMEMORY;
    }
    const com::ComPtr<EventControlFactory> factory(created);
    return factory->QueryInterface(iid, object);
}

STDAPI DllCanUnloadNow() {
    return ModuleUsage::inUse() ? S_FALSE : S_OK;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    // At the process's end nothing needs undoing; when COM unloads the DLL its window class must go,
    // as the procedure it names goes with the DLL.
    if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
        PollWindow::unregisterClass(instance);
    }
    return TRUE;
}

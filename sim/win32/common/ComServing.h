#pragma once

// What actsim's code answers a COM caller: results for VB errors, the bodies of members, new objects.

#include "common/RuntimeError.h"
#include "platform/win32/ui/WinApi.h"

#include <new>

namespace corvane::sim::win32 {

/// The result a failed member gives an automation client for a VB error, as VB itself raises one:
/// 0x800A0000 | number. The client reads the number back from the low word.
HRESULT vbResultOf(int number);

/// Notes the error's description as the thread's error information and gives its VB result: a member
/// called through ITypeInfo::Invoke then fails with DISP_E_EXCEPTION and that number and description.
HRESULT raise(const RuntimeError& error);

/// Fills the exception information of a call made through IDispatch::Invoke directly.
void describe(const RuntimeError& error, EXCEPINFO* exception);

/// Runs one member's work for a COM caller: a VB error the work throws becomes its result (`raise`);
/// nothing else escapes into the caller either.
template <class Work> HRESULT serve(Work&& work) noexcept {
    try {
        work();
        return S_OK;
    } catch (const RuntimeError& error) {
        return raise(error);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

/// A class object's CreateInstance: no aggregation; `make` gives the new object (a VB error it throws
/// becomes the result, as in `serve`), which is then asked for the interface.
template <class Make> HRESULT newInstance(IUnknown* outer, REFIID iid, void** object, Make&& make) noexcept {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    if (outer != nullptr) {
        return CLASS_E_NOAGGREGATION;
    }
    HRESULT queried = E_NOINTERFACE;
    const HRESULT made = serve([&] { queried = make()->QueryInterface(iid, object); });
    return FAILED(made) ? made : queried;
}

} // namespace corvane::sim::win32

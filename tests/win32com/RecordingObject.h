#pragma once

#include "platform/win32/ui/WinApi.h"

#include <string>
#include <vector>

namespace corvane::win32::com::test {

// COM interfaces have no virtual destructor; this object lives on the test's stack and nobody deletes
// it through one.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

/// An automation object of the test's own, called as ACT!'s are: it keeps what each call brought
/// (the flags, each argument's type and value in call order) and answers by member:
/// "Echo" returns its first argument, "Raise" fails as an object raising a VB error does (440 "The
/// contact went away"), "RaiseForeign" raises a code that is no VB error, "Mismatch" and "Break" fail
/// with DISP_E_TYPEMISMATCH and E_UNEXPECTED. Any other name is unknown.
class RecordingObject : public IDispatch {
public:
    struct Argument {
        VARTYPE type;
        std::wstring value; // the value as text (by reference: the referenced value)
    };

    RecordingObject() = default;
    RecordingObject(const RecordingObject&) = delete;
    RecordingObject& operator=(const RecordingObject&) = delete;

    int namesAsked = 0;
    WORD flags = 0;
    std::vector<Argument> arguments;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override { return --references_; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** type) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                                     EXCEPINFO* exception, UINT*) override;

    /// References still held by others than the test.
    ULONG references() const { return references_ - 1; }

private:
    ULONG references_ = 1; // the test's own; the object lives on its stack
};

#pragma GCC diagnostic pop

} // namespace corvane::win32::com::test

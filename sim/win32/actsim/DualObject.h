#pragma once

#include "platform/win32/com/ComText.h"
#include "sim/win32/common/ComObject.h"
#include "sim/win32/common/ComServing.h"
#include "sim/win32/common/TypeLibrary.h"

#include <memory>
#include <string>
#include <utility>

namespace corvane::sim::win32 {

/// An automation object of actsim: the dual interface `Interface` of the type library, whose IDispatch
/// side is the library's own (names, dispatch numbers and argument conversion through ITypeInfo). A
/// member that fails with a VB error hands its number and description to the caller (`serve`).
template <class Interface> class DualObject : public ComObject<Interface, ISupportErrorInfo> {
public:
    explicit DualObject(std::shared_ptr<const TypeLibrary> library)
        : library_(std::move(library)), type_(library_->typeOf(__uuidof(Interface))) {}

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return oneTypeInfo(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** type) override {
        return typeInfoAt(*type_.get(), index, type);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
        if (!IsEqualIID(iid, IID_NULL)) {
            return DISP_E_UNKNOWNINTERFACE;
        }
        return type_->GetIDsOfNames(names, count, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID iid, LCID, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception, UINT* wrongArgument) override {
        if (!IsEqualIID(iid, IID_NULL)) {
            return DISP_E_UNKNOWNINTERFACE;
        }
        // The error information of an earlier call must not describe this one.
        SetErrorInfo(0, nullptr);
        return type_->Invoke(static_cast<Interface*>(this), member, flags, parameters, result, exception,
                             wrongArgument);
    }
    HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) override {
        return IsEqualIID(iid, __uuidof(Interface)) ? S_OK : S_FALSE;
    }

protected:
    void* interfaceOf(REFIID iid) override {
        if (IsEqualIID(iid, IID_IDispatch)) {
            return static_cast<IDispatch*>(static_cast<Interface*>(this));
        }
        return ComObject<Interface, ISupportErrorInfo>::interfaceOf(iid);
    }

    const std::shared_ptr<const TypeLibrary>& library() const { return library_; }

    /// Runs a member that gives its caller a value: `work` computes it, `out` receives it.
    template <class Out, class Work> static HRESULT give(Out* out, Work&& work) {
        if (out == nullptr) {
            return E_POINTER;
        }
        *out = Out{};
        return serve([&] { handOver(out, work()); });
    }

    static std::string ansiOf(BSTR text) { return com::ansiOf(text, SysStringLen(text)); }

private:
    template <class Out, class Value> static void handOver(Out* out, Value value) { *out = value; }
    static void handOver(BSTR* out, const std::string& text) {
        const std::wstring wide = com::wideOf(text);
        *out = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
        if (*out == nullptr) {
            throw std::bad_alloc();
        }
    }
    static void handOver(IDispatch** out, const com::ComPtr<IDispatch>& object) {
        object->AddRef();
        *out = object.get();
    }

    std::shared_ptr<const TypeLibrary> library_;
    com::ComPtr<ITypeInfo> type_;
};

/// A new automation object as the IDispatch its caller receives.
template <class Object, class... Arguments> com::ComPtr<IDispatch> newDispatch(Arguments&&... arguments) {
    return com::ComPtr<IDispatch>(static_cast<IDispatch*>(new Object(std::forward<Arguments>(arguments)...)));
}

} // namespace corvane::sim::win32

#pragma once

#include "platform/win32/com/ComPtr.h"

#include <atomic>

namespace corvane::sim::win32 {

namespace com = ::corvane::win32::com;

// COM interfaces have no virtual destructor: an object ends its own life in Release, and nobody
// deletes it through an interface pointer.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

/// The reference counting and `QueryInterface` of the simulated ACT!'s own COM objects, for the
/// interfaces listed: an object is made with one reference, which its maker takes over (a `ComPtr`
/// made from the new object), and deletes itself on its last `Release`. `QueryInterface` answers
/// IUnknown and each listed interface; a derived class answers more through `interfaceOf`.
template <class... Interfaces> class ComObject : public Interfaces... {
public:
    ComObject() = default;
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        *object = interfaceOf(iid);
        if (*object == nullptr) {
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) {
            delete this;
        }
        return left;
    }

protected:
    virtual ~ComObject() = default;

    virtual void* interfaceOf(REFIID iid) {
        if (IsEqualIID(iid, IID_IUnknown)) {
            return static_cast<First*>(this);
        }
        void* found = nullptr;
        // The first listed interface with that id, if any.
        static_cast<void>(((IsEqualIID(iid, __uuidof(Interfaces)) && (found = static_cast<Interfaces*>(this))) || ...));
        return found;
    }

private:
    template <class Head, class...> struct FirstOf { using Type = Head; };
    using First = typename FirstOf<Interfaces...>::Type;

    std::atomic<ULONG> references_{1};
};

#pragma GCC diagnostic pop

} // namespace corvane::sim::win32

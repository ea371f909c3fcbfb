#include "sim/win32/actsim/CallLog.h"

#include "common/RuntimeError.h"
#include "platform/win32/com/ComText.h"

namespace corvane::sim::win32 {

namespace {

std::string textOf(BSTR text) {
    return com::ansiOf(text, SysStringLen(text));
}

/// The name of a member of the object's type, or of the type itself for MEMBERID_NIL.
std::string nameIn(IDispatch& object, DISPID member) {
    com::ComPtr<ITypeInfo> type;
    BSTR name = nullptr;
    if (FAILED(object.GetTypeInfo(0, LOCALE_USER_DEFAULT, type.put())) ||
        FAILED(type->GetDocumentation(member, &name, nullptr, nullptr, nullptr))) {
        return "#" + std::to_string(member);
    }
    std::string text = textOf(name);
    SysFreeString(name);
    return text;
}

/// An object's IDispatch with each call noted in the log first; everything else is the object's.
class LoggedDispatch final : public ComObject<IDispatch> {
public:
    LoggedDispatch(com::ComPtr<IDispatch> inner, CallLog& log)
        : inner_(std::move(inner)), log_(log), type_(nameIn(*inner_.get(), MEMBERID_NIL)) {}

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return inner_->GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** type) override {
        return inner_->GetTypeInfo(index, locale, type);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        for (UINT i = 0; i < count; ++i) {
            log_.note(type_ + ".GetIDsOfNames " + com::ansiOf(names[i], wcslen(names[i])));
        }
        return inner_->GetIDsOfNames(iid, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception, UINT* wrongArgument) override {
        log_.note(type_ + "." + nameIn(*inner_.get(), member));
        const HRESULT outcome =
            inner_->Invoke(member, iid, locale, flags, parameters, result, exception, wrongArgument);
        // An object a member hands out is served the same way.
        if (SUCCEEDED(outcome) && result != nullptr && result->vt == VT_DISPATCH && result->pdispVal != nullptr) {
            const com::ComPtr<IDispatch> handedOut = log_.logged(com::ComPtr<IDispatch>(result->pdispVal));
            handedOut->AddRef(); // the caller's
            result->pdispVal = handedOut.get();
        }
        return outcome;
    }

private:
    com::ComPtr<IDispatch> inner_;
    CallLog& log_;
    std::string type_;
};

} // namespace

CallLog::CallLog(const std::string& file) : file_(file, std::ios::binary | std::ios::trunc) {
    if (!file_) {
        throw RuntimeError(vberr::PathFileAccessError);
    }
}

void CallLog::note(const std::string& line) {
    file_ << line << '\n' << std::flush;
}

com::ComPtr<IDispatch> CallLog::logged(com::ComPtr<IDispatch> object) {
    return com::ComPtr<IDispatch>(new LoggedDispatch(std::move(object), *this));
}

} // namespace corvane::sim::win32

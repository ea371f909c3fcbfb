#include "platform/win32/com/DispatchObject.h"

#include "platform/win32/com/ComError.h"
#include "platform/win32/com/ComText.h"

namespace corvane::win32::com {

Argument Argument::int16(int16_t value) {
    Argument argument;
    argument.passed_ = Variant::ofInt16(value);
    return argument;
}

Argument Argument::int32(int32_t value) {
    Argument argument;
    argument.passed_ = Variant::ofInt32(value);
    return argument;
}

Argument Argument::text(std::string_view value) {
    Argument argument;
    argument.passed_ = Variant::ofText(value);
    return argument;
}

Argument Argument::int16ByRef(int16_t value) {
    Argument argument;
    argument.referenced_ = std::make_unique<Referenced>();
    argument.referenced_->number = value;
    argument.passed_.get()->vt = VT_I2 | VT_BYREF;
    argument.passed_.get()->piVal = &argument.referenced_->number;
    return argument;
}

Argument Argument::textByRef(std::string_view value) {
    Argument argument;
    argument.referenced_ = std::make_unique<Referenced>();
    argument.referenced_->text = Variant::ofText(value);
    argument.passed_.get()->vt = VT_BSTR | VT_BYREF;
    argument.passed_.get()->pbstrVal = &argument.referenced_->text.get()->bstrVal;
    return argument;
}

DISPID DispatchObject::idOf(std::string_view member) {
    auto found = ids_.find(member);
    if (found != ids_.end()) {
        return found->second;
    }
    std::wstring name = wideOf(member);
    LPOLESTR names[] = {name.data()};
    DISPID id = DISPID_UNKNOWN;
    const HRESULT result = object_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(result)) {
        throw errorOf(result);
    }
    ids_.emplace(std::string(member), id);
    return id;
}

Variant DispatchObject::invoke(DISPID member, const std::vector<Argument>& arguments) {
    // Invoke takes the arguments last to first. The copies are shallow: the arguments own their values.
    std::vector<VARIANTARG> reversed;
    reversed.reserve(arguments.size());
    for (auto argument = arguments.rbegin(); argument != arguments.rend(); ++argument) {
        reversed.push_back(argument->passed());
    }
    DISPPARAMS parameters{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    Variant result;
    EXCEPINFO exception{};
    UINT wrongArgument = 0;
    const HRESULT outcome =
        object_->Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD | DISPATCH_PROPERTYGET, &parameters,
                        result.get(), &exception, &wrongArgument);
    if (FAILED(outcome)) {
        throw errorOf(outcome, &exception);
    }
    return result;
}

} // namespace corvane::win32::com

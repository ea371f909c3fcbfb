#pragma once

#include "platform/win32/com/ComPtr.h"
#include "platform/win32/com/Variant.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace corvane::win32::com {

/// One argument of a call, as the member takes it: by value, or by reference (VT_BYREF) where ACT!'s
/// member takes a variable (field numbers and indices, view types, decimal texts).
class Argument {
public:
    static Argument int16(int16_t value);
    static Argument int32(int32_t value);
    static Argument text(std::string_view value);
    static Argument int16ByRef(int16_t value);
    static Argument textByRef(std::string_view value);

    /// The argument as the call passes it; for a by-reference one it points into storage that moves
    /// with the argument.
    const VARIANT& passed() const { return passed_.value(); }

private:
    struct Referenced {
        SHORT number = 0;
        Variant text;
    };
    Argument() = default;

    Variant passed_;
    std::unique_ptr<Referenced> referenced_;
};

/// An automation object called by member name, as VB's late binding calls it: the member's dispatch
/// number is asked once per object and name (`GetIDsOfNames`), then every call is an `Invoke` as a
/// method or a property get, its arguments in call order. A failed call raises the error a VB program
/// would have seen (`errorOf`).
class DispatchObject {
public:
    explicit DispatchObject(ComPtr<IDispatch> object) : object_(std::move(object)) {}

    template <class... Arguments> Variant call(std::string_view member, Arguments&&... arguments) {
        return invoke(idOf(member), listOf(std::forward<Arguments>(arguments)...));
    }
    /// A call by dispatch number, for members known only by it.
    template <class... Arguments> Variant call(DISPID member, Arguments&&... arguments) {
        return invoke(member, listOf(std::forward<Arguments>(arguments)...));
    }

    IDispatch* get() const { return object_.get(); }

private:
    template <class... Arguments> static std::vector<Argument> listOf(Arguments&&... arguments) {
        std::vector<Argument> list;
        list.reserve(sizeof...(arguments));
        (list.push_back(std::forward<Arguments>(arguments)), ...);
        return list;
    }
    DISPID idOf(std::string_view member);
    Variant invoke(DISPID member, const std::vector<Argument>& arguments);

    ComPtr<IDispatch> object_;
    std::map<std::string, DISPID, std::less<>> ids_;
};

} // namespace corvane::win32::com

#include "platform/win32/com/ComError.h"

#include "platform/win32/com/ComText.h"

#include <string>

namespace corvane::win32::com {

namespace {
constexpr int kWrongArguments = 450;
constexpr HRESULT kVbFacility = static_cast<HRESULT>(0x800A0000);

RuntimeError fromException(EXCEPINFO& exception) {
    if (exception.pfnDeferredFillIn != nullptr) {
        exception.pfnDeferredFillIn(&exception);
    }
    const HRESULT code = exception.scode != 0 ? exception.scode : static_cast<HRESULT>(exception.wCode);
    std::string description = exception.bstrDescription != nullptr
                                  ? ansiOf(exception.bstrDescription, SysStringLen(exception.bstrDescription))
                                  : std::string();
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrHelpFile);
    exception = {};
    // Errors raised the way VB raises them carry VB's number in the low word.
    const int number = (code & static_cast<HRESULT>(0xFFFF0000)) == kVbFacility ? static_cast<int>(code & 0xFFFF)
                                                                                : static_cast<int>(code);
    if (description.empty()) {
        return RuntimeError(number);
    }
    return RuntimeError(number, std::move(description));
}
} // namespace

RuntimeError errorOf(HRESULT result, EXCEPINFO* exception) {
    switch (result) {
    case DISP_E_UNKNOWNNAME:
    case DISP_E_MEMBERNOTFOUND:
        return RuntimeError(vberr::ObjectDoesNotSupportMember);
    case DISP_E_TYPEMISMATCH:
    case DISP_E_BADVARTYPE:
        return RuntimeError(vberr::TypeMismatch);
    case DISP_E_OVERFLOW:
        return RuntimeError(vberr::Overflow);
    case DISP_E_BADPARAMCOUNT:
    case DISP_E_PARAMNOTOPTIONAL:
        return RuntimeError(kWrongArguments, "Wrong number of arguments or invalid property assignment");
    case DISP_E_EXCEPTION:
        if (exception != nullptr) {
            return fromException(*exception);
        }
        break;
    default:
        break;
    }
    return RuntimeError(static_cast<int>(result), "Automation error");
}

} // namespace corvane::win32::com

#include "platform/win32/com/ComActFactory.h"

#include "common/act/UnreachableEventControl.h"
#include "platform/win32/com/ComApplication.h"
#include "platform/win32/com/ComAuxCommands.h"
#include "platform/win32/com/ComDatabase.h"
#include "platform/win32/com/ComEventControl.h"
#include "platform/win32/com/ComText.h"

#include <optional>

namespace corvane::win32::com {

namespace {
std::optional<CLSID> classIdOf(std::string_view className) {
    const std::wstring name = wideOf(className);
    CLSID classId{};
    if (FAILED(CLSIDFromProgID(name.c_str(), &classId))) {
        return std::nullopt;
    }
    return classId;
}

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                          static_cast<int>(b.size())) == CSTR_EQUAL;
}
} // namespace

std::shared_ptr<act::ActObject> ComActFactory::CreateObject(std::string_view className) {
    const auto classId = classIdOf(className);
    ComPtr<IDispatch> object;
    if (!classId || FAILED(CoCreateInstance(*classId, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                            IID_IDispatch, reinterpret_cast<void**>(object.put())))) {
        throw RuntimeError(vberr::CantCreateObject);
    }
    if (sameName(className, act::kAppObjectClass)) {
        return std::make_shared<ComApplication>(std::move(object));
    }
    if (sameName(className, act::kDatabaseClass)) {
        return std::make_shared<ComDatabase>(std::move(object));
    }
    if (sameName(className, act::kAuxCommandsClass)) {
        return std::make_shared<ComAuxCommands>(std::move(object));
    }
    throw RuntimeError(vberr::CantCreateObject);
}

std::unique_ptr<act::EventControl> ComActFactory::CreateEventControl() {
    const auto classId = classIdOf(kEventControlClass);
    if (!classId) {
        // ACT!'s components are not registered on this machine: ACT! cannot be reached.
        return std::make_unique<act::UnreachableEventControl>(true);
    }
    return std::make_unique<ComEventControl>(*classId);
}

} // namespace corvane::win32::com

#include "sim/win32/actsim/ClassFactory.h"

#include "sim/win32/actsim/ServedApplication.h"
#include "sim/win32/actsim/ServedAuxCommands.h"
#include "sim/win32/actsim/ServedDatabase.h"

namespace corvane::sim::win32 {

namespace {
com::ComPtr<IDispatch> served(const std::shared_ptr<act::ActObject>& object,
                              const std::shared_ptr<const TypeLibrary>& library) {
    if (auto application = std::dynamic_pointer_cast<act::Application>(object)) {
        return newDispatch<ServedApplication>(library, std::move(application));
    }
    if (auto database = std::dynamic_pointer_cast<act::Database>(object)) {
        return newDispatch<ServedDatabase>(library, std::move(database));
    }
    if (auto commands = std::dynamic_pointer_cast<act::AuxCommands>(object)) {
        return newDispatch<ServedAuxCommands>(library, std::move(commands));
    }
    throw RuntimeError(vberr::CantCreateObject);
}
} // namespace

HRESULT ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object) {
    return newInstance(outer, iid, object, [&] {
        com::ComPtr<IDispatch> made = served(factory_.CreateObject(className_), library_);
        if (log_ == nullptr) {
            return made;
        }
        log_->note("new " + className_);
        return log_->logged(std::move(made));
    });
}

} // namespace corvane::sim::win32

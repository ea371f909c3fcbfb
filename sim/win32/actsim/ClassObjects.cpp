#include "sim/win32/actsim/ClassObjects.h"

#include "sim/win32/actsim/ActsimClasses.h"
#include "sim/win32/actsim/ClassFactory.h"

namespace corvane::sim::win32 {

ClassObjects::ClassObjects(act::ActFactory& factory, const std::shared_ptr<const TypeLibrary>& library, CallLog* log) {
    for (const AutomationClass& automation : automationClasses()) {
        const com::ComPtr<ClassFactory> classObject(
            new ClassFactory(factory, std::string(automation.progId), library, log));
        DWORD registration = 0;
        if (FAILED(CoRegisterClassObject(automation.classId, classObject.get(), CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE,
                                         &registration))) {
            revokeAll();
            throw RuntimeError(vberr::CantCreateObject);
        }
        registrations_.push_back(registration);
    }
}

ClassObjects::~ClassObjects() {
    revokeAll();
}

void ClassObjects::revokeAll() {
    for (DWORD registration : registrations_) {
        CoRevokeClassObject(registration);
    }
    registrations_.clear();
}

} // namespace corvane::sim::win32

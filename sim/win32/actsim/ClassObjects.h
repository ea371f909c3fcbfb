#pragma once

#include "common/act/Act.h"
#include "sim/win32/actsim/CallLog.h"
#include "sim/win32/common/TypeLibrary.h"

#include <memory>
#include <vector>

namespace corvane::sim::win32 {

/// actsim's automation classes offered to other processes (CoRegisterClassObject, for many clients)
/// for as long as this object lives; COM must be initialised on the thread meanwhile.
class ClassObjects {
public:
    /// Fails with 429 when a class cannot be offered. The factory, and the log when there is one (it
    /// notes every call served), must outlive this object.
    ClassObjects(act::ActFactory& factory, const std::shared_ptr<const TypeLibrary>& library, CallLog* log);
    ~ClassObjects();
    ClassObjects(const ClassObjects&) = delete;
    ClassObjects& operator=(const ClassObjects&) = delete;

private:
    void revokeAll();

    std::vector<DWORD> registrations_;
};

} // namespace corvane::sim::win32

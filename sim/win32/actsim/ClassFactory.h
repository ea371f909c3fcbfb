#pragma once

#include "common/act/Act.h"
#include "sim/win32/actsim/CallLog.h"
#include "sim/win32/common/ComObject.h"
#include "sim/win32/common/TypeLibrary.h"

#include <memory>
#include <string>

namespace corvane::sim::win32 {

/// The class object of one of actsim's automation classes: each instance is an ACT! object made by
/// its class name through the ACT! factory (the engine's, perhaps with faults), served over COM, and
/// with a call log, logged.
class ClassFactory final : public ComObject<IClassFactory> {
public:
    /// The factory, and the log when there is one, must outlive this object.
    ClassFactory(act::ActFactory& factory, std::string className, std::shared_ptr<const TypeLibrary> library,
                 CallLog* log)
        : factory_(factory), className_(std::move(className)), library_(std::move(library)), log_(log) {}

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
    /// actsim runs until its user closes it, whoever holds its objects.
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

private:
    act::ActFactory& factory_;
    std::string className_;
    std::shared_ptr<const TypeLibrary> library_;
    CallLog* log_; // null: no log
};

} // namespace corvane::sim::win32

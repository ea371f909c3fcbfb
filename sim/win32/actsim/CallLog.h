#pragma once

#include "sim/win32/common/ComObject.h"

#include <fstream>
#include <string>

namespace corvane::sim::win32 {

/// actsim's record of the COM calls it serves (`actsim /calls <file>`), one line each, written to
/// the file as they come, so that a test can count a program's calls while it runs:
///   new ACTOLE.APPOBJECT               an object made by one of actsim's classes
///   IActViews.GetIDsOfNames Create     a member's name looked up
///   IActViews.Create                   a member called
class CallLog {
public:
    /// Starts the file afresh; fails with 75 when it cannot be written.
    explicit CallLog(const std::string& file);
    CallLog(const CallLog&) = delete;
    CallLog& operator=(const CallLog&) = delete;

    void note(const std::string& line);
    /// The object as clients receive it: each call of its IDispatch is noted before it runs, and so
    /// are the calls of the objects its members hand out. The log must outlive the object.
    com::ComPtr<IDispatch> logged(com::ComPtr<IDispatch> object);

private:
    std::ofstream file_;
};

} // namespace corvane::sim::win32

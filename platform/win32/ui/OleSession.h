#pragma once

#include "platform/win32/ui/WinApi.h"

#include <ole2.h>

namespace corvane::forms::win32 {

/// OLE (and with it COM, single-threaded apartment) on the calling thread for the session's time.
class OleSession {
public:
    OleSession() : initialised_(SUCCEEDED(OleInitialize(nullptr))) {}
    ~OleSession() {
        if (initialised_) {
            OleUninitialize();
        }
    }
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;

private:
    bool initialised_;
};

} // namespace corvane::forms::win32

#pragma once

#include <windows.h>

namespace corvane::os {

/// Owns a search handle of FindFirstFileW and closes it once; never copied.
class FindHandle {
public:
    explicit FindHandle(HANDLE handle) noexcept : handle_(handle) {}
    ~FindHandle() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            FindClose(handle_);
        }
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;

    HANDLE get() const noexcept { return handle_; }

private:
    HANDLE handle_;
};

} // namespace corvane::os

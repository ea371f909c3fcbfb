// The write lock of a file on Windows: a companion file beside the target, opened without sharing
// and deleted when closed. Whoever holds it open holds the lock; the system closes the handle of a
// killed process, and with it the file goes, so a dead writer never leaves the lock behind. A file
// server keeps such an open for every client, which makes the lock hold between machines too.
#include "common/FilePrimitives.h"

#include "common/RuntimeError.h"
#include "platform/win32/files/FileErrors.h"
#include "platform/win32/files/FileHandle.h"
#include "platform/win32/files/WidePath.h"

#include <windows.h>

#include <algorithm>

namespace corvane::os {
namespace {

class CompanionFileLock : public WriteLock {
public:
    explicit CompanionFileLock(FileHandle file) : file_(std::move(file)) {}

private:
    FileHandle file_;
};

// The holder's open refuses others (a sharing violation), and a file whose last holder just closed
// it refuses opens until it is gone (access denied).
bool heldByAnother(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED;
}

} // namespace

std::unique_ptr<WriteLock> lockForWriting(const std::string& target) {
    const std::wstring path = widePath(target + std::string(kLockSuffix));
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(kWriteLockWait.count()) * 1000;
    for (DWORD pauseMs = 1;; pauseMs = std::min<DWORD>(pauseMs * 2, 32)) {
        FileHandle file(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
        if (file.get() != INVALID_HANDLE_VALUE) {
            return std::make_unique<CompanionFileLock>(std::move(file));
        }
        const DWORD error = GetLastError();
        if (!heldByAnother(error)) {
            throw RuntimeError(namesNothing(error) ? vberr::PathNotFound : vberr::PathFileAccessError);
        }
        if (GetTickCount64() >= deadline) {
            // another writer holds the file, as VB says of a locked one (or this one may not write here)
            throw RuntimeError(vberr::PermissionDenied);
        }
        Sleep(pauseMs);
    }
}

} // namespace corvane::os

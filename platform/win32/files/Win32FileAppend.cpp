// The append primitive on the Windows file functions: a handle opened for appending writes at the
// end of the file as it is at that moment, so one WriteFile is one whole record. Not every file
// system keeps that promise between programs (Wine's does not, nor do some network servers), so
// appenders also take turns through a lock on one byte far beyond any data, which readers never
// meet. Readers and other appenders may hold the file meanwhile.
#include "common/FilePrimitives.h"

#include "common/RuntimeError.h"
#include "platform/win32/files/FileHandle.h"
#include "platform/win32/files/WidePath.h"

#include <windows.h>

#include <algorithm>
#include <string>

namespace corvane::os {
namespace {

// How long an appender waits for the others' turns: each holds the lock for one write.
constexpr ULONGLONG kTurnWaitMs = 2000;

/// The appenders' lock on a file, held until it goes.
class AppendTurn {
public:
    explicit AppendTurn(HANDLE file) : file_(file) {
        const ULONGLONG deadline = GetTickCount64() + kTurnWaitMs;
        for (DWORD pauseMs = 1;; pauseMs = std::min<DWORD>(pauseMs * 2, 16)) {
            OVERLAPPED at = where();
            if (LockFileEx(file_, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
                return;
            }
            if (GetLastError() != ERROR_LOCK_VIOLATION || GetTickCount64() >= deadline) {
                throw RuntimeError(vberr::PathFileAccessError);
            }
            Sleep(pauseMs);
        }
    }
    ~AppendTurn() {
        OVERLAPPED at = where();
        UnlockFileEx(file_, 0, 1, 0, &at);
    }
    AppendTurn(const AppendTurn&) = delete;
    AppendTurn& operator=(const AppendTurn&) = delete;

private:
    static OVERLAPPED where() {
        OVERLAPPED at{};
        at.OffsetHigh = 0x7FFFFFFF;
        return at;
    }

    HANDLE file_; // owned by the caller
};

} // namespace

void appendWhole(const std::string& path, std::string_view header, std::string_view bytes) {
    // No FILE_WRITE_DATA: without it every write goes to the end. Reading rights serve the lock.
    FileHandle file(CreateFileW(
        widePath(path).c_str(), FILE_APPEND_DATA | FILE_READ_DATA | FILE_READ_ATTRIBUTES | SYNCHRONIZE,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        throw RuntimeError(error == ERROR_PATH_NOT_FOUND || error == ERROR_BAD_NET_NAME || error == ERROR_INVALID_DRIVE
                               ? vberr::PathNotFound
                               : vberr::PathFileAccessError);
    }
    {
        const AppendTurn turn(file.get());
        LARGE_INTEGER size{};
        if (!GetFileSizeEx(file.get(), &size)) {
            throw RuntimeError(vberr::PathFileAccessError);
        }
        std::string whole;
        if (size.QuadPart == 0) {
            whole.reserve(header.size() + bytes.size());
            whole.append(header).append(bytes);
            bytes = whole;
        }
        // A short write cannot be finished by a second one: another program's record may lie between.
        DWORD written = 0;
        if (bytes.size() > MAXDWORD ||
            !WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
            written != bytes.size()) {
            throw RuntimeError(vberr::DeviceIoError);
        }
    }
    if (!file.close()) {
        throw RuntimeError(vberr::DeviceIoError);
    }
}

} // namespace corvane::os

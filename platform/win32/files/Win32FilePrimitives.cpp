// The file primitives on the Windows file functions. Paths are the programs' ANSI bytes, converted
// as the "A" functions convert them (see WidePath.h). Every reader lets others read, write and delete
// the file meanwhile, so that a writer elsewhere can replace it; a writer or reader that meets
// another program's handle tries again for a while. The write lock is in Win32WriteLock.cpp.
#include "common/FilePrimitives.h"

#include "common/RuntimeError.h"
#include "platform/win32/files/FileErrors.h"
#include "platform/win32/files/FileHandle.h"
#include "platform/win32/files/FileIdentity.h"
#include "platform/win32/files/FindHandle.h"
#include "platform/win32/files/WidePath.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace corvane::os {
namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// How long an operation waits for another program to let go of a file: readers hold Users.dat for
// milliseconds, and a trigger that waits longer for it keeps the user waiting.
constexpr ULONGLONG kBusyWaitMs = 2000;

// Whether a failure may pass when another program lets go of the file: it holds the file without
// sharing it, or (access denied) holds it open while it is replaced or deleted. A folder in the
// file's place or a read-only file is denied for good.
bool mayPass(DWORD error, const std::wstring& path) {
    if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION) {
        return true;
    }
    if (error != ERROR_ACCESS_DENIED) {
        return false;
    }
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes == INVALID_FILE_ATTRIBUTES ||
           (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) == 0;
}

// Runs `attempt` (which gives ERROR_SUCCESS or the error it met) until it succeeds, fails for good
// or has met another program's handle for about two seconds; gives its last result.
template <class Attempt> DWORD retryWhileBusy(const std::wstring& path, Attempt&& attempt) {
    const ULONGLONG deadline = GetTickCount64() + kBusyWaitMs;
    for (DWORD pauseMs = 1;; pauseMs = std::min<DWORD>(pauseMs * 2, 16)) {
        const DWORD error = attempt();
        if (error == ERROR_SUCCESS || !mayPass(error, path) || GetTickCount64() >= deadline) {
            return error;
        }
        Sleep(pauseMs);
    }
}

std::string toAnsi(const wchar_t* text) {
    const int length = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<size_t>(std::max(length, 1)), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, ansi.data(), length, nullptr, nullptr);
    ansi.resize(ansi.size() - 1); // the terminating null
    return ansi;
}

std::chrono::seconds ageOf(FILETIME written, FILETIME now) {
    const auto ticks = [](FILETIME time) { // 100-nanosecond intervals
        return static_cast<long long>((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
    };
    return std::chrono::seconds{std::max(ticks(now) - ticks(written), 0LL) / 10'000'000};
}

class Win32NewFile : public NewFile {
public:
    explicit Win32NewFile(FileHandle file) : file_(std::move(file)) {}

    void write(std::string_view bytes) override {
        while (!bytes.empty()) {
            const auto chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 30));
            DWORD written = 0;
            if (!WriteFile(file_.get(), bytes.data(), chunk, &written, nullptr) || written == 0) {
                throw RuntimeError(vberr::DeviceIoError);
            }
            bytes.remove_prefix(written);
        }
    }

    void close() override {
        const bool flushed = FlushFileBuffers(file_.get()) != FALSE;
        if (!file_.close() || !flushed) {
            throw RuntimeError(vberr::DeviceIoError);
        }
    }

private:
    FileHandle file_;
};

} // namespace

std::string readAll(const std::string& path) {
    const std::wstring wide = widePath(path);
    FileHandle file;
    const DWORD error = retryWhileBusy(wide, [&]() -> DWORD {
        HANDLE opened = CreateFileW(wide.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
        if (opened == INVALID_HANDLE_VALUE) {
            return GetLastError();
        }
        file = FileHandle(opened);
        return ERROR_SUCCESS;
    });
    if (error != ERROR_SUCCESS) {
        throw RuntimeError(error == ERROR_FILE_NOT_FOUND ? vberr::FileNotFound
                           : namesNothing(error)         ? vberr::PathNotFound
                                                         : vberr::PathFileAccessError);
    }
    // A pipe or a device answers reads when it pleases; only a file on a disk is read.
    if (GetFileType(file.get()) != FILE_TYPE_DISK) {
        throw RuntimeError(vberr::PathFileAccessError);
    }
    std::string content;
    if (LARGE_INTEGER size; GetFileSizeEx(file.get(), &size)) {
        content.reserve(static_cast<size_t>(size.QuadPart));
    }
    char buffer[65536];
    for (DWORD got = 0;; content.append(buffer, got)) {
        if (!ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) {
            throw RuntimeError(vberr::DeviceIoError);
        }
        if (got == 0) {
            return content;
        }
    }
}

bool exists(const std::string& path) {
    const std::wstring wide = widePath(path);
    if (GetFileAttributesW(wide.c_str()) != INVALID_FILE_ATTRIBUTES) {
        return true;
    }
    if (namesNothing(GetLastError())) {
        return false;
    }
    throw RuntimeError(vberr::PathFileAccessError);
}

// Links are not followed on Windows, where settings files are plain files on a share: the path is
// the file.
std::string writeTarget(const std::string& path) {
    return path;
}

// A rename with replace is one step for readers, who find the old file or the new one. ReplaceFileW
// is not: it moves the target aside before it renames the replacement (its ERROR_UNABLE_TO_MOVE_REPLACEMENT
// leaves no file at all under the name, and Wine's leaves that gap on every call), and a users file
// that is missing for a moment gives the trigger no restrictions at all. So the replacement takes the
// target's identity itself, before the rename (FileIdentity.h).
std::unique_ptr<NewFile> createReplacement(const std::string& path, const std::string& target) {
    const std::wstring wideTarget = widePath(target);
    const DWORD attributes = GetFileAttributesW(wideTarget.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        throw RuntimeError(vberr::PathFileAccessError);
    }
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        throw RuntimeError(vberr::PermissionDenied);
    }
    // Unshared while it is written, so that no other writer's clean-up can delete it.
    FileHandle file(CreateFileW(widePath(path).c_str(), GENERIC_WRITE | WRITE_DAC, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        throw RuntimeError(namesNothing(GetLastError()) ? vberr::PathNotFound : vberr::PathFileAccessError);
    }
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        giveIdentityOf(wideTarget, file.get());
    }
    return std::make_unique<Win32NewFile>(std::move(file));
}

void replace(const std::string& from, const std::string& to) {
    const std::wstring source = widePath(from);
    const std::wstring target = widePath(to);
    const DWORD error = retryWhileBusy(target, [&]() -> DWORD {
        return MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
                   ? ERROR_SUCCESS
                   : GetLastError();
    });
    if (error != ERROR_SUCCESS) {
        throw RuntimeError(vberr::PathFileAccessError);
    }
}

void remove(const std::string& path) noexcept {
    DeleteFileW(widePath(path).c_str());
}

std::vector<NameExtension> filesExtending(const std::string& path) {
    const size_t separator = path.find_last_of("\\/");
    const std::string name = separator == std::string::npos ? path : path.substr(separator + 1);
    std::vector<NameExtension> found;
    WIN32_FIND_DATAW entry{};
    const FindHandle search(FindFirstFileW(widePath(path + "*").c_str(), &entry));
    if (search.get() == INVALID_HANDLE_VALUE) {
        return found;
    }
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    do {
        const std::string other = toAnsi(entry.cFileName);
        if (other.size() > name.size() && other.starts_with(name)) {
            found.push_back({other.substr(name.size()), ageOf(entry.ftLastWriteTime, now)});
        }
    } while (FindNextFileW(search.get(), &entry));
    return found;
}

} // namespace corvane::os

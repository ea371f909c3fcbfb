#pragma once

#include <windows.h>

namespace corvane::os {

/// Whether an error of the file functions says that a path names nothing: the file, a folder on the
/// way, the share or the drive is missing, or the name is not valid. A server that does not answer
/// (ERROR_BAD_NETPATH) is not among them: a failing network looks the same, and a users file behind
/// it may well exist.
inline bool namesNothing(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NET_NAME:
    case ERROR_DIRECTORY:
    case ERROR_FILENAME_EXCED_RANGE:
        return true;
    default:
        return false;
    }
}

} // namespace corvane::os

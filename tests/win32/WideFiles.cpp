#include "tests/win32/WideFiles.h"

#include <windows.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

namespace corvane::test {
namespace {

// The extended form, which the wide functions take at any length.
std::wstring longForm(const std::wstring& path) {
    if (path.starts_with(LR"(\\?\)")) {
        return path;
    }
    return path.starts_with(LR"(\\)") ? LR"(\\?\UNC\)" + path.substr(2) : LR"(\\?\)" + path;
}

} // namespace

std::wstring widen(const std::string& ascii) {
    return std::wstring(ascii.begin(), ascii.end());
}

void makeFolders(const std::wstring& path) {
    const size_t parent = path.find_last_of(L'\\');
    if (parent != std::wstring::npos && parent > 2 && !existsWide(path.substr(0, parent))) {
        makeFolders(path.substr(0, parent));
    }
    if (!CreateDirectoryW(longForm(path).c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
        throw std::runtime_error("cannot make a test folder");
    }
}

bool existsWide(const std::wstring& path) {
    return GetFileAttributesW(longForm(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The names of a folder's files and folders, with whether each is a folder.
std::vector<std::pair<std::wstring, bool>> entriesOf(const std::wstring& folder) {
    std::vector<std::pair<std::wstring, bool>> entries;
    WIN32_FIND_DATAW found;
    HANDLE first = FindFirstFileW(longForm(folder + L"\\*").c_str(), &found);
    if (first == INVALID_HANDLE_VALUE) {
        return entries;
    }
    const std::unique_ptr<void, decltype(&FindClose)> search(first, &FindClose);
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") {
            entries.emplace_back(name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
        }
    } while (FindNextFileW(search.get(), &found));
    return entries;
}

size_t entriesIn(const std::wstring& folder) {
    return entriesOf(folder).size();
}

void removeTree(const std::wstring& folder) noexcept {
    for (const auto& [name, isFolder] : entriesOf(folder)) {
        const std::wstring path = folder + L"\\" + name;
        if (isFolder) {
            removeTree(path);
        } else {
            SetFileAttributesW(longForm(path).c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(longForm(path).c_str());
        }
    }
    RemoveDirectoryW(longForm(folder).c_str());
}

std::string makeDeepFolder(const std::string& base, size_t length) {
    std::string folder = base;
    for (int level = 0; folder.size() < length; ++level) {
        const std::string name = "\\Level" + std::to_string(level) + "_abcdefghijklmnopqrstuvwxyz0123456789";
        folder += name.substr(0, std::max<size_t>(length - folder.size(), 2));
    }
    makeFolders(widen(folder));
    return folder;
}

} // namespace corvane::test

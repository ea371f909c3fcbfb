#pragma once

#include <string>

/// The test side of file names: folders and files seen through the wide file functions, so that a
/// test can check which name the programs' ANSI path reached.
namespace corvane::test {

/// An ASCII path as a wide one.
std::wstring widen(const std::string& ascii);

/// Makes a folder and every missing folder above it, however long the path.
void makeFolders(const std::wstring& path);
bool existsWide(const std::wstring& path);
/// Removes a folder with everything in it, however long the paths inside; what cannot go stays.
void removeTree(const std::wstring& folder) noexcept;
/// How many files and folders a folder holds.
size_t entriesIn(const std::wstring& folder);

/// A folder below `base`, made on disk, whose path is `length` characters long (or one more).
std::string makeDeepFolder(const std::string& base, size_t length);

} // namespace corvane::test

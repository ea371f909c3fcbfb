#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace corvane::test {

/// A file that the programs read: the users file, a field settings file, the tool's INI settings.
enum class Place { UsersFile, FieldFile, ToolSettings };

/// A hostile thing put where a program reads a file. `make` puts it at the path, starting from the
/// bytes that would work there (`sound`); a case with `missingFolder` puts nothing there and names a
/// folder that does not exist in the setting that leads to the file instead. A run on a case that
/// takes longer than `bound` counts as hung.
struct HostileCase {
    const char* name;
    void (*make)(const std::filesystem::path& target, const std::string& sound);
    bool usersFileOnly = false;
    bool missingFolder = false;
    std::chrono::seconds bound{3};
};

/// Every hostile case, in the order of the printed table.
const std::vector<HostileCase>& hostileCases();

/// The bytes that work at a place: the logged-in user with Full rights; a field list; no settings.
std::string soundContent(Place place);

const char* placeName(Place place);

} // namespace corvane::test

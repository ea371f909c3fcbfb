#pragma once

#include <string>
#include <utility>
#include <vector>

namespace corvane::test {

/// The programs' per-user settings for a test's time: their section of the registry
/// (HKEY_CURRENT_USER\Software\VB and VBA Program Settings\Corvane\Settings) holds only ListPath and
/// UsersPath, so the programs keep their files where the test looks and start as on a fresh
/// machine (no stored window place, no expanded field panel). What the section held before comes
/// back when the object goes.
class ProgramSettings {
public:
    ProgramSettings(const std::string& listPath, const std::string& usersPath);
    ~ProgramSettings();
    ProgramSettings(const ProgramSettings&) = delete;
    ProgramSettings& operator=(const ProgramSettings&) = delete;

private:
    std::vector<std::pair<std::string, std::string>> before_;
};

} // namespace corvane::test

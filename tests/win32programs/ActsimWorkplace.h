#pragma once

#include "tests/win32actsim/RunningActsim.h"
#include "tests/win32programs/ProgramProcess.h"
#include "tests/win32programs/ProgramSettings.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace corvane::test {

/// actsim.exe registered for the current user (as ACT!'s installer registers ACT!) for as long as the
/// object lives.
class ActsimRegistration {
public:
    /// Fails with std::runtime_error when actsim cannot register.
    ActsimRegistration();
    ~ActsimRegistration();
    ActsimRegistration(const ActsimRegistration&) = delete;
    ActsimRegistration& operator=(const ActsimRegistration&) = delete;
};

/// What the programs meet on a user's machine, in a folder of the test: actsim (registered) running
/// on a copy of the demo database "Sales" there, the programs' settings pointing at the folder's
/// "Settings" with a users file in it. The programs are the build's own, beside actsim.
class ActsimWorkplace {
public:
    static constexpr int16_t kCity = 7;
    static constexpr int16_t kIdStatus = 15;
    static constexpr int16_t kAdministrator = 1; // Dana Whitfield, logged in at first
    static constexpr int16_t kDana = 1;
    static constexpr int16_t kSam = 2;
    static constexpr int16_t kLee = 6;
    static constexpr const char* kSamId = "P3R8T4V6";
    static constexpr const char* kLeeId = "E8U1Z6A4";

    /// `folder` must exist; it is named to actsim with the system's separators, as actsim notes it.
    /// The users file gets `usersFile` as its content; actsim gets `actsimArguments` after the database.
    ActsimWorkplace(const std::filesystem::path& folder, const std::string& usersFile,
                    const std::vector<std::string>& actsimArguments = {});

    /// actsim serves the database, with its window.
    bool ready() const { return actsim_->ready(); }
    RunningActsim& actsim() { return *actsim_; }
    /// A program of the build, by its file name.
    static std::string program(const std::string& fileName);
    /// A file of the Settings folder.
    std::string settingsFile(const std::string& name) const;
    /// A field's value on actsim's current contact, as the database holds it.
    std::string fieldValue(int16_t field);
    /// The text actsim's window shows for a field.
    std::string shownValue(int16_t field) const;

    /// Starts Corvane.exe, as its user does.
    ProgramProcess startAdministrationTool() const;
    /// In actsim, the user at that position of ACT!'s user list logs in (chosen in actsim's user box);
    /// true once the database says so.
    bool logIn(int16_t position);
    /// The user clicks into actsim's field "City" and then into this one (another): entering a
    /// protected field starts the trigger. True once actsim has the field focused.
    bool enterField(int16_t field);

private:
    std::filesystem::path folder_;
    ProgramSettings settings_;
    std::unique_ptr<RunningActsim> actsim_;
};

} // namespace corvane::test

#pragma once

#include "tests/win32programs/ActsimWorkplace.h"
#include "tests/win32programs/ProgramProcess.h"
#include "tests/win32tour/TourLog.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace corvane::test {

/// The tour of demo/Tour.cpp told by the real Windows programs under Wine: actsim.exe, Corvane.exe and
/// CorvaneEditMode.exe, each a process of its own on the tour's desktop, worked as their user works
/// them (see AdministrationWindow and TriggerBox). Each step is printed with its checks and a picture
/// of the whole desktop.
class Win32Tour {
public:
    /// `folder` is made afresh; the database and the settings go there.
    explicit Win32Tour(const std::filesystem::path& folder);

    /// Runs every step; 0 when each did what it should.
    int run();

private:
    /// False when actsim does not run.
    bool actsimShowsTheDemoDatabase();
    void administratorSetsRights();
    void protectedFieldIsRefused();
    void valueIsPickedFromTheDropDown();
    void listEditorAddsAnItem();
    void administratorReviewsTheHistoryAndTheRights();

    /// In actsim, that user logs in and enters "ID/Status": the trigger actsim started.
    std::optional<ProgramProcess> enterProtectedField(int16_t user);
    std::string settingsFile(const std::string& name) const { return workplace_.settingsFile(name); }

    TourLog log_;
    ActsimRegistration registration_;
    ActsimWorkplace workplace_;
};

} // namespace corvane::test

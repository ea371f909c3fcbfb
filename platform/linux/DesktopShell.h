#pragma once

#include "forms/ShellService.h"

#include <string>
#include <vector>

namespace corvane::platform::linux_desktop {

/// The shell's "open" on the Linux desktop: a database file (".dbf", any case) starts the simulated
/// ACT! on it, as opening a database starts ACT! on Windows; anything else goes to the desktop's
/// opener (xdg-open). Programs are started detached: they outlive the caller, which never waits.
/// Results follow the shell's numbers: above 32 on success, 2 for a missing file, 31 when nothing
/// could be started. A verb other than "open" is answered with 31.
class DesktopShell : public forms::ShellService {
public:
    static constexpr int32_t kStarted = 42;
    static constexpr int32_t kFileNotFound = 2;
    static constexpr int32_t kNoAssociation = 31;

    /// `actsim`: the simulated ACT!'s program file; `opener`: the program (looked up in PATH when it
    /// holds no "/") that opens everything else.
    DesktopShell(std::string actsim, std::string opener = "xdg-open");

    int32_t ShellExecuteA(const forms::ShellRequest& request) override;

    /// The file or address a request names: an address with a scheme as it is, a relative path
    /// inside the request's folder.
    static std::string target(const forms::ShellRequest& request);

private:
    std::string actsim_;
    std::string opener_;
};

/// Starts `program` with `arguments`, detached from the caller (its own session; nothing to wait
/// for). False when it could not be started.
bool startDetached(const std::string& program, const std::vector<std::string>& arguments);

} // namespace corvane::platform::linux_desktop

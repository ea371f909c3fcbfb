#pragma once

#include "forms/Hwnd.h"

#include <cstdint>
#include <string>

namespace corvane::forms {

/// Show mode that shows the opened program's window.
inline constexpr int32_t SW_SHOW = 5;

/// One request to the shell to run a verb ("open") on a file or address.
struct ShellRequest {
    Hwnd owner = 0;
    std::string verb;
    std::string file;
    std::string parameters;
    std::string directory;
    int32_t showCmd = 0;
};

/// The shell: opens a file with its associated program, or an address in the web browser.
class ShellService {
public:
    virtual ~ShellService() = default;
    /// Returns the shell's result: greater than 32 on success.
    virtual int32_t ShellExecuteA(const ShellRequest& request) = 0;
};

} // namespace corvane::forms

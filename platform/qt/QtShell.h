#pragma once

#include "forms/ShellService.h"

#include <QUrl>

namespace corvane::forms::qt {

/// The shell's "open" through the desktop's services: an address goes to the web browser, a file to
/// the program associated with its type. Results follow the shell's numbers: above 32 on success.
class QtShell : public ShellService {
public:
    static constexpr int32_t kOpened = 42;
    static constexpr int32_t kFileNotFound = 2;
    static constexpr int32_t kNoAssociation = 31;

    int32_t ShellExecuteA(const ShellRequest& request) override;

    /// What "open" is asked to show: an address with a scheme as it is, anything else as a local file
    /// (relative to `directory` when it is not absolute).
    static QUrl target(const ShellRequest& request);
};

} // namespace corvane::forms::qt

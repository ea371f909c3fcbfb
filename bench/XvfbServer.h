#pragma once

#include <string>
#include <sys/types.h>

namespace corvane::bench {

/// A private virtual X server (Xvfb) for the lifetime of the object, on the first free display.
class XvfbServer {
public:
    /// Starts the server and waits until it accepts connections. Throws std::runtime_error when it
    /// cannot be started.
    XvfbServer();
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    /// The display name for DISPLAY, e.g. ":3".
    const std::string& display() const { return display_; }

private:
    pid_t pid_ = 0;
    std::string display_;
};

} // namespace corvane::bench

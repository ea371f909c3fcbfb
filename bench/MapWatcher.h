#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

struct xcb_connection_t;

namespace corvane::bench {

/// A window that another client mapped at the top level of the screen, and when this client heard of it.
struct MappedWindow {
    uint32_t window = 0;
    std::chrono::steady_clock::time_point at;
};

/// Watches an X display from outside the programs: the server tells it of every top-level window
/// mapped by any client (SubstructureNotify on the root window), which is the moment a program's
/// window is shown. The programs need no hook of their own for it.
class MapWatcher {
public:
    /// Connects to `display`. Throws std::runtime_error when it cannot.
    explicit MapWatcher(const std::string& display);
    ~MapWatcher();
    MapWatcher(const MapWatcher&) = delete;
    MapWatcher& operator=(const MapWatcher&) = delete;

    /// Forgets the events heard so far, so the next wait sees only windows mapped after this call.
    void forgetPending();
    /// The next top-level window mapped, or nothing when none was mapped within `timeout`.
    std::optional<MappedWindow> waitForMap(std::chrono::milliseconds timeout);
    /// The window's title (WM_NAME), as its program set it.
    std::string title(uint32_t window);

private:
    xcb_connection_t* connection_ = nullptr;
};

} // namespace corvane::bench

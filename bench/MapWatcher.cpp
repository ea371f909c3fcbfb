#include "bench/MapWatcher.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <poll.h>
#include <stdexcept>

namespace corvane::bench {

namespace {

/// xcb hands out its replies and events with malloc; the caller frees them.
struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <class T> using XcbPtr = std::unique_ptr<T, FreeDeleter>;

bool isMapNotify(const xcb_generic_event_t& event) {
    return (event.response_type & 0x7f) == XCB_MAP_NOTIFY;
}

} // namespace

MapWatcher::MapWatcher(const std::string& display) : connection_(xcb_connect(display.c_str(), nullptr)) {
    if (xcb_connection_has_error(connection_) != 0) {
        xcb_disconnect(connection_);
        throw std::runtime_error("no X connection to " + display);
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
    const uint32_t mask[] = {XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY};
    const xcb_void_cookie_t cookie =
        xcb_change_window_attributes_checked(connection_, screen->root, XCB_CW_EVENT_MASK, mask);
    if (XcbPtr<xcb_generic_error_t> error{xcb_request_check(connection_, cookie)}) {
        xcb_disconnect(connection_);
        throw std::runtime_error("cannot watch the root window of " + display);
    }
}

MapWatcher::~MapWatcher() {
    xcb_disconnect(connection_);
}

void MapWatcher::forgetPending() {
    while (XcbPtr<xcb_generic_event_t> event{xcb_poll_for_event(connection_)}) {
    }
}

std::optional<MappedWindow> MapWatcher::waitForMap(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (true) {
        while (XcbPtr<xcb_generic_event_t> event{xcb_poll_for_event(connection_)}) {
            if (isMapNotify(*event)) {
                const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
                return MappedWindow{map->window, std::chrono::steady_clock::now()};
            }
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || xcb_connection_has_error(connection_) != 0) {
            return std::nullopt;
        }
        pollfd readable{xcb_get_file_descriptor(connection_), POLLIN, 0};
        ::poll(&readable, 1, static_cast<int>(left.count()));
    }
}

std::string MapWatcher::title(uint32_t window) {
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(connection_, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
    const XcbPtr<xcb_get_property_reply_t> reply{xcb_get_property_reply(connection_, cookie, nullptr)};
    if (!reply) {
        return {};
    }
    const auto* text = static_cast<const char*>(xcb_get_property_value(reply.get()));
    return std::string(text, static_cast<size_t>(xcb_get_property_value_length(reply.get())));
}

} // namespace corvane::bench

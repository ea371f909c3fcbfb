#include "tests/win32forms/WindowLayout.h"

#include "forms/Container.h"
#include "forms/Line.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <sstream>

namespace corvane::forms::win32::test::WindowLayout {

namespace {
constexpr double kTwipsPerPixel = 15.0;
/// An etched line is two pixels wide.
constexpr LONG kLinePixels = 2;

LONG pixels(int32_t twips) {
    return std::lround(twips / kTwipsPerPixel);
}

RECT designOf(Control& control) {
    if (control.kind() == ControlKind::Line) {
        auto& line = static_cast<Line&>(control);
        const LONG left = pixels(std::min(line.X1(), line.X2()));
        const LONG top = pixels(std::min(line.Y1(), line.Y2()));
        return RECT{left, top, std::max(pixels(std::max(line.X1(), line.X2())), left + kLinePixels),
                    std::max(pixels(std::max(line.Y1(), line.Y2())), top + kLinePixels)};
    }
    const LONG left = pixels(control.Left());
    const LONG top = pixels(control.Top());
    return RECT{left, top, left + pixels(control.Width()), top + pixels(control.Height())};
}

bool same(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != FALSE;
}

std::string nameOf(Control& control) {
    return control.Index() < 0 ? control.Name() : control.Name() + "(" + std::to_string(control.Index()) + ")";
}

void eachControl(Container& container, const std::function<void(Control&)>& visit) {
    for (Control* control : container.children()) {
        visit(*control);
        if (auto* inner = dynamic_cast<Container*>(control)) {
            eachControl(*inner, visit);
        }
    }
}
} // namespace

std::string describe(const RECT& at) {
    std::ostringstream out;
    out << "(" << at.left << ", " << at.top << ") " << at.right - at.left << "x" << at.bottom - at.top;
    return out.str();
}

HWND windowOf(Win32Backend& backend, Control& control) {
    FormWindow* form = backend.windowOf(control.form());
    ControlView* view = form != nullptr ? form->viewOf(control) : nullptr;
    return view != nullptr ? view->window() : nullptr;
}

RECT inParent(HWND window) {
    RECT at{};
    GetWindowRect(window, &at);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&at), 2);
    return at;
}

POINT listItemOnScreen(HWND list, int item) {
    RECT at{};
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&at));
    POINT middle{(at.left + at.right) / 2, (at.top + at.bottom) / 2};
    ClientToScreen(list, &middle);
    return middle;
}

std::vector<std::string> misplaced(Win32Backend& backend, Form& form) {
    std::vector<std::string> wrong;
    FormWindow* window = backend.windowOf(form);
    if (window == nullptr) {
        return {form.Name() + " has no window"};
    }
    RECT shown{};
    GetWindowRect(window->window(), &shown);
    const LONG left = pixels(form.Left());
    const LONG top = pixels(form.Top());
    const RECT design{left, top, left + pixels(form.Width()), top + pixels(form.Height())};
    if (!same(shown, design)) {
        wrong.push_back(form.Name() + " at " + describe(shown) + ", not " + describe(design));
    }
    eachControl(form, [&](Control& control) {
        HWND native = windowOf(backend, control);
        if (native == nullptr) {
            wrong.push_back(nameOf(control) + " has no window");
            return;
        }
        const RECT at = inParent(native);
        const RECT expected = designOf(control);
        if (!same(at, expected)) {
            wrong.push_back(nameOf(control) + " at " + describe(at) + ", not " + describe(expected));
        }
    });
    return wrong;
}

std::vector<std::string> clipped(Win32Backend& backend, Form& form) {
    std::vector<std::string> cut;
    eachControl(form, [&](Control& control) {
        HWND native = windowOf(backend, control);
        if (native == nullptr || IsWindowVisible(native) == FALSE) {
            return;
        }
        RECT room{};
        GetClientRect(GetParent(native), &room);
        const RECT at = inParent(native);
        RECT overlap{};
        const bool inside =
            at.left >= room.left && at.top >= room.top && at.right <= room.right + 1 && at.bottom <= room.bottom + 1;
        if (IntersectRect(&overlap, &room, &at) != FALSE && !inside) {
            cut.push_back(nameOf(control) + " at " + describe(at) + " in " + describe(room));
        }
    });
    return cut;
}

} // namespace corvane::forms::win32::test::WindowLayout

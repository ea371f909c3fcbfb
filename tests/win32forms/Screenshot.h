#pragma once

#include "platform/win32/ui/Handles.h"
#include "platform/win32/ui/WinApi.h"

#include <cstdint>
#include <string>
#include <vector>

namespace corvane::forms::win32::test {

/// A picture of part of the screen: 32-bit pixels (blue, green, red, unused), top row first.
struct ScreenImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    /// Every pixel has the same colour (or there are none): nothing was drawn there.
    bool blank() const;
};

/// A bitmap for device contexts like `like` whose pixels, at `bits`, are laid out as a `ScreenImage`'s;
/// null when the system makes none.
GdiObject<HBITMAP> imageBitmap(HDC like, int width, int height, void*& bits);

/// A memory device context with a bitmap selected into it; the old bitmap goes back before both go.
class MemoryDc {
public:
    MemoryDc(HDC like, HBITMAP bitmap) : dc_(CreateCompatibleDC(like)), before_(SelectObject(dc_, bitmap)) {}
    ~MemoryDc() {
        SelectObject(dc_, before_);
        DeleteDC(dc_);
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ before_;
};

/// What the screen shows in `area` (screen pixels), copied from the screen itself: the windows there
/// must be in front and painted.
ScreenImage captureScreen(const RECT& area);

/// Repaints `window` and its children at once and lets the screen show the result.
void paintNow(HWND window);

/// Paints the window and saves what the screen shows of it (its frame included) as `name`.png; the
/// window must be in front. Returns the picture.
ScreenImage saveWindow(HWND window, const std::string& name);

/// Saves the picture as `name`.png in the build tree's screenshots-win32 folder; returns the path.
std::string savePng(const ScreenImage& image, const std::string& name);

} // namespace corvane::forms::win32::test

#include "platform/win32/ui/GdiPrintCanvas.h"

#include "common/RuntimeError.h"

#include <algorithm>
#include <utility>

namespace corvane::forms::win32 {

namespace {
constexpr int kFontPoints = 9;
constexpr int kScreenDotsPerInch = 96;

void check(BOOL done) {
    if (done == FALSE) {
        throw RuntimeError(vberr::PrinterError);
    }
}

HFONT arial(HDC dc, bool bold) {
    const int height = -MulDiv(kFontPoints, GetDeviceCaps(dc, LOGPIXELSY), 72);
    HFONT font =
        CreateFontA(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial");
    if (font == nullptr) {
        throw RuntimeError(vberr::PrinterError);
    }
    return font;
}

HPEN thinPen(HDC dc) {
    const int width = std::max(1, MulDiv(1, GetDeviceCaps(dc, LOGPIXELSX), kScreenDotsPerInch));
    HPEN pen = CreatePen(PS_SOLID, width, RGB(0, 0, 0));
    if (pen == nullptr) {
        throw RuntimeError(vberr::PrinterError);
    }
    return pen;
}

/// The device's printable area; a memory device context's page is its bitmap.
SIZE pageOf(HDC dc) {
    BITMAP bitmap{};
    if (GetObjectType(dc) == OBJ_MEMDC && GetObjectA(GetCurrentObject(dc, OBJ_BITMAP), sizeof bitmap, &bitmap) != 0) {
        return {bitmap.bmWidth, bitmap.bmHeight};
    }
    return {GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES)};
}

int length(std::string_view text) {
    return static_cast<int>(text.size());
}
} // namespace

GdiPrintCanvas::GdiPrintCanvas(HDC dc, std::function<void()> nextPage)
    : dc_(dc), nextPage_(std::move(nextPage)), page_(pageOf(dc)), normal_(arial(dc, false)), bold_(arial(dc, true)),
      pen_(thinPen(dc)), fontBefore_(SelectObject(dc, normal_.get())), penBefore_(SelectObject(dc, pen_.get())) {
    select();
}

GdiPrintCanvas::~GdiPrintCanvas() {
    SelectObject(dc_, fontBefore_);
    SelectObject(dc_, penBefore_);
}

int32_t GdiPrintCanvas::lineHeight() const {
    TEXTMETRICA metrics{};
    check(GetTextMetricsA(dc_, &metrics));
    return metrics.tmHeight + metrics.tmExternalLeading;
}

int32_t GdiPrintCanvas::textWidth(std::string_view text) const {
    SIZE size{};
    check(GetTextExtentPoint32A(dc_, text.data(), length(text), &size));
    return size.cx;
}

void GdiPrintCanvas::setBold(bool bold) {
    isBold_ = bold;
    SelectObject(dc_, isBold_ ? bold_.get() : normal_.get());
}

void GdiPrintCanvas::drawText(int32_t x, int32_t y, std::string_view text) {
    check(TextOutA(dc_, x, y, text.data(), length(text)));
}

void GdiPrintCanvas::drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    check(MoveToEx(dc_, x1, y1, nullptr));
    check(LineTo(dc_, x2, y2));
}

void GdiPrintCanvas::newPage() {
    nextPage_();
    select();
}

void GdiPrintCanvas::select() {
    SelectObject(dc_, isBold_ ? bold_.get() : normal_.get());
    SelectObject(dc_, pen_.get());
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, RGB(0, 0, 0));
    SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
}

} // namespace corvane::forms::win32

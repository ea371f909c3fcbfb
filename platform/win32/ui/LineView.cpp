#include "platform/win32/ui/LineView.h"

#include <algorithm>

namespace corvane::forms::win32 {

namespace {
/// The etched line's light half lies one pixel beside the dark one.
constexpr int kEtchedWidth = 2;
} // namespace

LineView::LineView(Line& line, HWND parent, const ViewContext& context)
    : ControlView(line, context, parent, "STATIC", SS_OWNERDRAW), line_(line) {}

RECT LineView::geometry() const {
    const int left = scale().x(std::min(line_.X1(), line_.X2()));
    const int top = scale().y(std::min(line_.Y1(), line_.Y2()));
    const int right = scale().x(std::max(line_.X1(), line_.X2()));
    const int bottom = scale().y(std::max(line_.Y1(), line_.Y2()));
    return RECT{left, top, std::max(right, left + kEtchedWidth), std::max(bottom, top + kEtchedWidth)};
}

void LineView::draw(const DRAWITEMSTRUCT& item) {
    const RECT at = geometry();
    const POINT from{scale().x(line_.X1()) - at.left, scale().y(line_.Y1()) - at.top};
    const POINT to{scale().x(line_.X2()) - at.left, scale().y(line_.Y2()) - at.top};
    const bool horizontal = from.y == to.y;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    HGDIOBJ before = SelectObject(item.hDC, GetStockObject(DC_PEN));
    SetDCPenColor(item.hDC, GetSysColor(COLOR_BTNSHADOW));
    MoveToEx(item.hDC, from.x, from.y, nullptr);
    LineTo(item.hDC, to.x, to.y);
    SetDCPenColor(item.hDC, GetSysColor(COLOR_BTNHIGHLIGHT));
    const int dx = horizontal ? 0 : 1;
    const int dy = horizontal ? 1 : 0;
    MoveToEx(item.hDC, from.x + dx, from.y + dy, nullptr);
    LineTo(item.hDC, to.x + dx, to.y + dy);
    SelectObject(item.hDC, before);
}

} // namespace corvane::forms::win32

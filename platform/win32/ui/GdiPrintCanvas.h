#pragma once

#include "forms/PrintService.h"
#include "platform/win32/ui/Handles.h"
#include "platform/win32/ui/WinApi.h"

#include <functional>

namespace corvane::forms::win32 {

/// The pages of a print job drawn on a device context: a printer's, or a memory bitmap's. The page is
/// the printer's printable area, or the whole bitmap; text is black "Arial" of 9 points at the device's
/// dots per inch, lines are black and one screen pixel wide. While the canvas lives its font and pen
/// are the device context's; they go back out when it goes. Drawing that the device refuses raises
/// `vberr::PrinterError`.
class GdiPrintCanvas : public PrintCanvas {
public:
    /// `nextPage` ends the device's page and starts the next one.
    GdiPrintCanvas(HDC dc, std::function<void()> nextPage);
    ~GdiPrintCanvas() override;
    GdiPrintCanvas(const GdiPrintCanvas&) = delete;
    GdiPrintCanvas& operator=(const GdiPrintCanvas&) = delete;

    int32_t pageWidth() const override { return page_.cx; }
    int32_t pageHeight() const override { return page_.cy; }
    int32_t lineHeight() const override;
    int32_t textWidth(std::string_view text) const override;
    void setBold(bool bold) override;
    void drawText(int32_t x, int32_t y, std::string_view text) override;
    void drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
    void newPage() override;

private:
    /// Puts the canvas's font, pen and text colours into the device context (again after a new page,
    /// which may start from the device's defaults).
    void select();

    HDC dc_;
    std::function<void()> nextPage_;
    SIZE page_;
    GdiObject<HFONT> normal_;
    GdiObject<HFONT> bold_;
    GdiObject<HPEN> pen_;
    HGDIOBJ fontBefore_;
    HGDIOBJ penBefore_;
    bool isBold_ = false;
};

} // namespace corvane::forms::win32

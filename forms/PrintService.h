#pragma once

#include "forms/Hwnd.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace corvane::forms {

/// A page's orientation, numbered as the common dialog's `Orientation` property numbers it.
enum class PrinterOrientation : int16_t { Portrait = 1, Landscape = 2 };

/// The pages of one print job, drawn in the printer's device units (dots) with the origin at the
/// top left of the printable area. Text is drawn in one font of about 9 points, normal or bold.
class PrintCanvas {
public:
    virtual ~PrintCanvas() = default;

    /// The printable area of a page.
    virtual int32_t pageWidth() const = 0;
    virtual int32_t pageHeight() const = 0;
    /// The height of one line of text, and the width of a text, in the current weight.
    virtual int32_t lineHeight() const = 0;
    virtual int32_t textWidth(std::string_view text) const = 0;

    virtual void setBold(bool bold) = 0;
    /// Draws one line of text (the system's code page) with its top left at (x, y).
    virtual void drawText(int32_t x, int32_t y, std::string_view text) = 0;
    /// A thin line from (x1, y1) to (x2, y2).
    virtual void drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) = 0;
    /// Ends the page and starts the next one.
    virtual void newPage() = 0;
};

/// What the print dialog starts with.
struct PrintRequest {
    Hwnd owner = 0;
    /// The job's name in the printer's queue.
    std::string documentName;
    PrinterOrientation orientation = PrinterOrientation::Portrait;
};

/// The platform's print dialog and its printer.
class PrintService {
public:
    virtual ~PrintService() = default;
    /// Shows the print dialog, set to the request's orientation. When the user prints, `paint` draws
    /// the document on the chosen printer's first page and the job goes to the printer; when the user
    /// cancels, nothing is printed and the answer is false. A printer that cannot be used raises
    /// `vberr::NoPrinter` or `vberr::PrinterError`; a job that fails or whose `paint` throws is abandoned, so no
    /// part of it prints, and the failure goes on to the caller.
    virtual bool print(const PrintRequest& request, const std::function<void(PrintCanvas&)>& paint) = 0;
};

} // namespace corvane::forms

#include "platform/win32/ui/Win32PrintService.h"

#include "common/RuntimeError.h"
#include "platform/win32/ui/GdiPrintCanvas.h"

namespace corvane::forms::win32 {

namespace {
/// The print dialog's data, whose printer settings (DEVMODE and DEVNAMES) and device context the
/// dialog allocates, and may replace, for its caller to free.
struct PrintDialogData : PRINTDLGA {
    PrintDialogData() : PRINTDLGA{} { lStructSize = sizeof(PRINTDLGA); }
    ~PrintDialogData() {
        if (hDevMode != nullptr) {
            GlobalFree(hDevMode);
        }
        if (hDevNames != nullptr) {
            GlobalFree(hDevNames);
        }
        if (hDC != nullptr) {
            DeleteDC(hDC);
        }
    }
    PrintDialogData(const PrintDialogData&) = delete;
    PrintDialogData& operator=(const PrintDialogData&) = delete;
};

void check(bool done) {
    if (!done) {
        throw RuntimeError(vberr::PrinterError);
    }
}

/// The default printer's settings, turned to `orientation`.
void takeDefaultPrinter(PrintDialogData& dialog, PrinterOrientation orientation) {
    dialog.Flags = PD_RETURNDEFAULT;
    if (PrintDlgA(&dialog) == FALSE) {
        const DWORD error = CommDlgExtendedError();
        throw RuntimeError(error == PDERR_NODEFAULTPRN || error == PDERR_NODEVICES ? vberr::NoPrinter
                                                                                   : vberr::PrinterError);
    }
    if (dialog.hDevMode == nullptr || dialog.hDevNames == nullptr) {
        throw RuntimeError(vberr::NoPrinter);
    }
    auto* mode = static_cast<DEVMODEA*>(GlobalLock(dialog.hDevMode));
    check(mode != nullptr);
    mode->dmOrientation = orientation == PrinterOrientation::Landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
    mode->dmFields |= DM_ORIENTATION;
    GlobalUnlock(dialog.hDevMode);
}

/// Prints one job on the printer: what `paint` draws, on as many pages as it asks for. A job that
/// fails, or whose painting throws, is abandoned and the failure goes on.
void printJob(HDC printer, const std::string& documentName, const std::function<void(PrintCanvas&)>& paint) {
    DOCINFOA document{};
    document.cbSize = sizeof document;
    document.lpszDocName = documentName.c_str();
    check(StartDocA(printer, &document) > 0);
    try {
        check(StartPage(printer) > 0);
        {
            GdiPrintCanvas canvas(printer, [printer] {
                check(EndPage(printer) > 0);
                check(StartPage(printer) > 0);
            });
            paint(canvas);
        }
        check(EndPage(printer) > 0);
        check(EndDoc(printer) > 0);
    } catch (...) {
        AbortDoc(printer);
        throw;
    }
}
} // namespace

bool Win32PrintService::print(const PrintRequest& request, const std::function<void(PrintCanvas&)>& paint) {
    PrintDialogData dialog;
    takeDefaultPrinter(dialog, request.orientation);
    dialog.hwndOwner = native_(request.owner);
    dialog.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE;
    if (PrintDlgA(&dialog) == FALSE) {
        if (CommDlgExtendedError() == 0) {
            return false; // the user cancelled
        }
        throw RuntimeError(vberr::PrinterError);
    }
    check(dialog.hDC != nullptr);
    printJob(dialog.hDC, request.documentName, paint);
    return true;
}

} // namespace corvane::forms::win32

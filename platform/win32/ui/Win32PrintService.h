#pragma once

#include "forms/PrintService.h"
#include "platform/win32/ui/Win32Dialogs.h"

#include <utility>

namespace corvane::forms::win32 {

/// The common print dialog (`PrintDlgA`) on the default printer, set to the request's orientation;
/// the document goes to the chosen printer as one job of the system's spooler, drawn on a
/// `GdiPrintCanvas`.
class Win32PrintService : public PrintService {
public:
    explicit Win32PrintService(NativeWindowOf native) : native_(std::move(native)) {}

    bool print(const PrintRequest& request, const std::function<void(PrintCanvas&)>& paint) override;

private:
    NativeWindowOf native_;
};

} // namespace corvane::forms::win32

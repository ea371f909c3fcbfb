#pragma once

#include "forms/PrintService.h"

#include <functional>
#include <string>
#include <utility>

namespace corvane::forms {

class Form;

/// VB's error when the user cancels a common dialog whose `CancelError` is set.
inline constexpr int kCancelSelected = 32755;

/// The common dialog control, as an open-file, save-file or print dialog owned by its form.
class CommonDialog {
public:
    CommonDialog(Form& owner, std::string name);
    CommonDialog(const CommonDialog&) = delete;
    CommonDialog& operator=(const CommonDialog&) = delete;

    const std::string& Name() const { return name_; }
    bool CancelError() const { return cancelError_; }
    void setCancelError(bool cancelError) { cancelError_ = cancelError; }
    const std::string& InitDir() const { return initDir_; }
    void setInitDir(std::string initDir) { initDir_ = std::move(initDir); }
    /// Full path of the chosen file after `ShowOpen` or `ShowSave`.
    const std::string& FileName() const { return fileName_; }
    void setFileName(std::string fileName) { fileName_ = std::move(fileName); }
    const std::string& Filter() const { return filter_; }
    void setFilter(std::string filter) { filter_ = std::move(filter); }
    /// The orientation the print dialog starts with.
    PrinterOrientation Orientation() const { return orientation_; }
    void setOrientation(PrinterOrientation orientation) { orientation_ = orientation; }

    /// Shows the open-file dialog. A cancel leaves `FileName` as it was and, with `CancelError`, fails
    /// with error 32755 "Cancel was selected.".
    void ShowOpen();
    /// Shows the save-file dialog, which asks before it hands back an existing file; a cancel as in
    /// `ShowOpen`.
    void ShowSave();
    /// Shows the print dialog; when the user prints, `paint` draws the document named `documentName`
    /// on the printer's pages. A cancel prints nothing and, with `CancelError`, fails as in `ShowOpen`.
    void ShowPrinter(const std::string& documentName, const std::function<void(PrintCanvas&)>& paint);

private:
    template <class Show> void show(Show&& dialog);

    Form& owner_;
    std::string name_;
    bool cancelError_ = false;
    std::string initDir_;
    std::string fileName_;
    std::string filter_;
    PrinterOrientation orientation_ = PrinterOrientation::Portrait;
};

} // namespace corvane::forms

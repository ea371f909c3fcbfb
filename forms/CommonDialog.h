#pragma once

#include <string>
#include <utility>

namespace corvane::forms {

class Form;

/// VB's error when the user cancels a common dialog whose `CancelError` is set.
inline constexpr int kCancelSelected = 32755;

/// The common dialog control, as an open-file or save-file dialog owned by its form.
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

    /// Shows the open-file dialog. A cancel leaves `FileName` as it was and, with `CancelError`, fails
    /// with error 32755 "Cancel was selected.".
    void ShowOpen();
    /// Shows the save-file dialog, which asks before it hands back an existing file; a cancel as in
    /// `ShowOpen`.
    void ShowSave();

private:
    template <class Show> void show(Show&& dialog);

    Form& owner_;
    std::string name_;
    bool cancelError_ = false;
    std::string initDir_;
    std::string fileName_;
    std::string filter_;
};

} // namespace corvane::forms

#include "forms/CommonDialog.h"

#include "common/RuntimeError.h"
#include "forms/Form.h"
#include "forms/Runtime.h"

namespace corvane::forms {

CommonDialog::CommonDialog(Form& owner, std::string name) : owner_(owner), name_(std::move(name)) {}

void CommonDialog::ShowOpen() {
    show([](Runtime& runtime, const FileDialogRequest& request) { return runtime.fileDialog().showOpen(request); });
}

void CommonDialog::ShowSave() {
    show([](Runtime& runtime, const FileDialogRequest& request) { return runtime.saveFileDialog().showSave(request); });
}

void CommonDialog::ShowPrinter(const std::string& documentName, const std::function<void(PrintCanvas&)>& paint) {
    Runtime& runtime = owner_.runtime();
    const bool printed = runtime.modalWait([&] {
        return runtime.printer().print({owner_.hWnd(), documentName, orientation_}, paint);
    });
    if (!printed && cancelError_) {
        throw RuntimeError(kCancelSelected, "Cancel was selected.");
    }
}

template <class Show> void CommonDialog::show(Show&& dialog) {
    Runtime& runtime = owner_.runtime();
    auto chosen = runtime.modalWait([&] { return dialog(runtime, {owner_.hWnd(), initDir_, fileName_, filter_}); });
    if (chosen) {
        fileName_ = *chosen;
    } else if (cancelError_) {
        throw RuntimeError(kCancelSelected, "Cancel was selected.");
    }
}

} // namespace corvane::forms

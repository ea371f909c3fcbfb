#include "forms/CommonDialog.h"

#include "common/RuntimeError.h"
#include "forms/Form.h"
#include "forms/Runtime.h"

namespace corvane::forms {

CommonDialog::CommonDialog(Form& owner, std::string name) : owner_(owner), name_(std::move(name)) {}

void CommonDialog::ShowOpen() {
    Runtime& runtime = owner_.runtime();
    auto chosen = runtime.modalWait([&] {
        return runtime.fileDialog().showOpen({owner_.hWnd(), initDir_, fileName_, filter_});
    });
    if (chosen) {
        fileName_ = *chosen;
    } else if (cancelError_) {
        throw RuntimeError(kCancelSelected, "Cancel was selected.");
    }
}

} // namespace corvane::forms

#include "trigger/frmModify.h"

#include "trigger/frmEditList.h"

namespace corvane::trigger {

frmModify::frmModify(forms::Runtime& runtime, frmEditList& editor)
    : ItemDialog(runtime, "frmModify", "Modify"), editor_(editor) {}

void frmModify::Form_Load() {
    txtItem.setText(editor_.sToBeModified);
    txtItem.setSelStart(0);
    txtItem.setSelLength(static_cast<int32_t>(txtItem.Text().size()));
}

void frmModify::accept(const std::string& item) {
    editor_.sToBeModified = item;
}

} // namespace corvane::trigger

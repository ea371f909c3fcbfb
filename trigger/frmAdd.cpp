#include "trigger/frmAdd.h"

#include "trigger/frmEditList.h"

namespace corvane::trigger {

frmAdd::frmAdd(forms::Runtime& runtime, frmEditList& editor) : ItemDialog(runtime, "frmAdd", "Add"), editor_(editor) {}

void frmAdd::accept(const std::string& item) {
    editor_.sToBeAdded = item;
}

} // namespace corvane::trigger

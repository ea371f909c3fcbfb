#pragma once

#include "trigger/ItemDialog.h"

namespace corvane::trigger {

class frmEditList;

/// Asks for a new item of the drop-down list; OK puts the text, as typed, into the editor's
/// `sToBeAdded`. Shown modally by the list editor, one object per showing.
class frmAdd : public ItemDialog {
public:
    frmAdd(forms::Runtime& runtime, frmEditList& editor);

private:
    void accept(const std::string& item) override;

    frmEditList& editor_;
};

} // namespace corvane::trigger

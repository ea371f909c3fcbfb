#pragma once

#include "trigger/ItemDialog.h"

namespace corvane::trigger {

class frmEditList;

/// Asks for the new text of an item: it opens with the editor's `sToBeModified` selected whole, and
/// OK puts the text back there. Shown modally by the list editor, one object per showing.
class frmModify : public ItemDialog {
public:
    frmModify(forms::Runtime& runtime, frmEditList& editor);

protected:
    void Form_Load() override;

private:
    void accept(const std::string& item) override;

    frmEditList& editor_;
};

} // namespace corvane::trigger

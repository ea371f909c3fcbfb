#include "trigger/ItemDialog.h"

#include <utility>

namespace corvane::trigger {

ItemDialog::ItemDialog(forms::Runtime& runtime, std::string name, std::string caption)
    : Form(runtime, {.name = std::move(name),
                     .caption = std::move(caption),
                     .width = 4710 + forms::kDialogChromeWidth,
                     .height = 1230 + forms::kDialogChromeHeight,
                     .borderStyle = forms::BorderStyle::FixedDialog}) {
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdCancel.Click = [this] { Unload(); };
    txtItem.KeyPress = [this](int16_t& keyAscii) { txtItem_KeyPress(keyAscii); };
}

void ItemDialog::cmdOK_Click() {
    accept(txtItem.Text());
    Unload();
}

void ItemDialog::txtItem_KeyPress(int16_t& keyAscii) {
    if (keyAscii == 13) {
        cmdOK_Click();
    }
}

} // namespace corvane::trigger

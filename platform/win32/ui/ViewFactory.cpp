#include "platform/win32/ui/ViewFactory.h"

#include "forms/RichTextBox.h"
#include "forms/TextBox.h"
#include "platform/win32/ui/ButtonView.h"
#include "platform/win32/ui/CheckBoxView.h"
#include "platform/win32/ui/ComboView.h"
#include "platform/win32/ui/FrameView.h"
#include "platform/win32/ui/LabelView.h"
#include "platform/win32/ui/LineView.h"
#include "platform/win32/ui/ListBoxView.h"
#include "platform/win32/ui/ListViewView.h"
#include "platform/win32/ui/OptionView.h"
#include "platform/win32/ui/TextView.h"

namespace corvane::forms::win32 {

std::unique_ptr<ControlView> makeView(Control& control, HWND parent, const ViewContext& context) {
    switch (control.kind()) {
    case ControlKind::Label:
        return std::make_unique<LabelView>(static_cast<Label&>(control), parent, context);
    case ControlKind::Frame:
        return std::make_unique<FrameView>(static_cast<Frame&>(control), parent, context);
    case ControlKind::Line:
        return std::make_unique<LineView>(static_cast<Line&>(control), parent, context);
    case ControlKind::CommandButton:
        return std::make_unique<ButtonView>(static_cast<CommandButton&>(control), parent, context);
    case ControlKind::TextBox:
        return std::make_unique<TextView>(static_cast<TextBox&>(control), parent, context, false);
    case ControlKind::RichTextBox:
        return std::make_unique<TextView>(static_cast<RichTextBox&>(control), parent, context, true);
    case ControlKind::CheckBox:
        return std::make_unique<CheckBoxView>(static_cast<CheckBox&>(control), parent, context);
    case ControlKind::OptionButton:
        return std::make_unique<OptionView>(static_cast<OptionButton&>(control), parent, context);
    case ControlKind::ComboBox:
        return std::make_unique<ComboView>(static_cast<ComboBox&>(control), parent, context);
    case ControlKind::ListBox:
        return std::make_unique<ListBoxView>(static_cast<ListBox&>(control), parent, context);
    case ControlKind::ListView:
        return std::make_unique<ListViewView>(static_cast<ListView&>(control), parent, context);
    }
    return nullptr;
}

} // namespace corvane::forms::win32

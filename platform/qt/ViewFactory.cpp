#include "platform/qt/ViewFactory.h"

#include "platform/qt/ButtonView.h"
#include "platform/qt/CheckBoxView.h"
#include "platform/qt/ComboView.h"
#include "platform/qt/FrameView.h"
#include "platform/qt/LabelView.h"
#include "platform/qt/LineView.h"
#include "platform/qt/ListBoxView.h"
#include "platform/qt/ListViewView.h"
#include "platform/qt/OptionView.h"
#include "platform/qt/RichTextView.h"
#include "platform/qt/TextBoxView.h"

namespace corvane::forms::qt {

std::unique_ptr<ControlView> makeView(Control& control, QWidget* parent, const ViewContext& context) {
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
        return std::make_unique<TextBoxView>(static_cast<TextBox&>(control), parent, context);
    case ControlKind::RichTextBox:
        return std::make_unique<RichTextView>(static_cast<RichTextBox&>(control), parent, context);
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

} // namespace corvane::forms::qt

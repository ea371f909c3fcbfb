#include "platform/qt/OptionView.h"

#include "platform/qt/AnsiText.h"
#include "platform/qt/ModelToggle.h"

namespace corvane::forms::qt {

OptionView::OptionView(OptionButton& option, QWidget* parent, const ViewContext& context)
    : ControlView(option, new ModelToggle<QRadioButton>(parent, [this] { user([this] { option_.userClick(); }); }),
                  context),
      option_(option), widget_(static_cast<QRadioButton*>(widget())) {
    // The group is the model's business; Qt's own grouping would clear buttons behind its back.
    widget_->setAutoExclusive(false);
}

void OptionView::syncContent() {
    widget_->setText(ansi::toQt(option_.Caption()));
    widget_->setChecked(option_.Value());
}

} // namespace corvane::forms::qt

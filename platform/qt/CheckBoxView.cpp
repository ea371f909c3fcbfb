#include "platform/qt/CheckBoxView.h"

#include "platform/qt/AnsiText.h"
#include "platform/qt/ModelToggle.h"

namespace corvane::forms::qt {

CheckBoxView::CheckBoxView(CheckBox& checkBox, QWidget* parent, const ViewContext& context)
    : ControlView(checkBox, new ModelToggle<QCheckBox>(parent, [this] { user([this] { checkBox_.userClick(); }); }),
                  context),
      checkBox_(checkBox), widget_(static_cast<QCheckBox*>(widget())) {
    widget_->setTristate(true);
}

void CheckBoxView::syncContent() {
    widget_->setText(ansi::toQt(checkBox_.Caption()));
    Qt::CheckState state = checkBox_.Value() == vbChecked  ? Qt::Checked
                           : checkBox_.Value() == vbGrayed ? Qt::PartiallyChecked
                                                           : Qt::Unchecked;
    widget_->setCheckState(state);
}

} // namespace corvane::forms::qt

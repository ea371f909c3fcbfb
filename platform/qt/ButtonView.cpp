#include "platform/qt/ButtonView.h"

#include "platform/qt/AnsiText.h"

namespace corvane::forms::qt {

ButtonView::ButtonView(CommandButton& button, QWidget* parent, const ViewContext& context)
    : ControlView(button, new WrappingButton(parent), context), button_(button),
      widget_(static_cast<WrappingButton*>(widget())) {
    // Enter and Escape reach the default and cancel buttons through the form, as everywhere else.
    widget_->setAutoDefault(false);
    QObject::connect(widget_, &QPushButton::clicked, this, [this] { user([this] { button_.userClick(); }); });
}

void ButtonView::syncContent() {
    widget_->setText(ansi::toQt(button_.Caption()));
    widget_->setDefault(button_.Default());
    widget_->setArrow(button_.Graphical());
}

} // namespace corvane::forms::qt

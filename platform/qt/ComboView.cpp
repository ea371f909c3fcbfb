#include "platform/qt/ComboView.h"

#include "platform/qt/AnsiText.h"

namespace corvane::forms::qt {

ComboView::ComboView(ComboBox& combo, QWidget* parent, const ViewContext& context)
    : ControlView(combo, new QComboBox(parent), context), combo_(combo), widget_(static_cast<QComboBox*>(widget())) {
    widget_->setEditable(false);
    QObject::connect(widget_, &QComboBox::activated, this,
                     [this](int index) { user([&] { combo_.userSelect(index); }); });
}

void ComboView::syncContent() {
    QStringList items;
    for (int32_t i = 0; i < combo_.ListCount(); ++i) {
        items.append(ansi::toQt(combo_.List(i)));
    }
    QStringList shown;
    for (int i = 0; i < widget_->count(); ++i) {
        shown.append(widget_->itemText(i));
    }
    if (shown != items) {
        widget_->clear();
        widget_->addItems(items);
    }
    widget_->setCurrentIndex(combo_.ListIndex());
}

} // namespace corvane::forms::qt

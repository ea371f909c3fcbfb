#include "platform/qt/ListBoxView.h"

#include "forms/Form.h"
#include "forms/Runtime.h"
#include "platform/qt/AnsiText.h"

namespace corvane::forms::qt {

ListBoxView::ListBoxView(ListBox& list, QWidget* parent, const ViewContext& context)
    : ControlView(list, new QListWidget(parent), context), list_(list), widget_(static_cast<QListWidget*>(widget())) {
    widget_->setSelectionMode(QAbstractItemView::SingleSelection);
    widget_->setUniformItemSizes(true);
    widget_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QObject::connect(widget_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) {
            user([&] { list_.userSelect(row); });
        }
    });
    QObject::connect(widget_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        int row = widget_->row(item);
        user([&] {
            // The double click's first press selected the item already (and fired Click), as it
            // does on Windows; only the double click itself is left.
            if (row == list_.ListIndex()) {
                list_.form().runtime().raise(list_.DblClick);
            } else {
                list_.userDoubleClick(row);
            }
        });
    });
}

void ListBoxView::syncContent() {
    QStringList items;
    for (int32_t i = 0; i < list_.ListCount(); ++i) {
        items.append(ansi::toQt(list_.List(i)));
    }
    bool same = widget_->count() == items.size();
    for (int i = 0; same && i < widget_->count(); ++i) {
        same = widget_->item(i)->text() == items[i];
    }
    if (!same) {
        widget_->clear();
        widget_->addItems(items);
    }
    widget_->setCurrentRow(list_.ListIndex());
    if (list_.ListCount() > 0) {
        widget_->scrollToItem(widget_->item(list_.TopIndex()), QAbstractItemView::PositionAtTop);
    }
}

} // namespace corvane::forms::qt

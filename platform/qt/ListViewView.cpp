#include "platform/qt/ListViewView.h"

#include "platform/qt/AnsiText.h"

#include <QEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTimer>

namespace corvane::forms::qt {

namespace {
/// Makes every row as high as the model says.
class RowHeightDelegate : public QStyledItemDelegate {
public:
    RowHeightDelegate(QObject* parent, const int& rowPixels) : QStyledItemDelegate(parent), rowPixels_(rowPixels) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width(), rowPixels_);
    }

private:
    const int& rowPixels_;
};

int vbButton(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

int vbShift(Qt::KeyboardModifiers modifiers) {
    return ((modifiers & Qt::ShiftModifier) ? 1 : 0) | ((modifiers & Qt::ControlModifier) ? 2 : 0) |
           ((modifiers & Qt::AltModifier) ? 4 : 0);
}
} // namespace

ListViewView::ListViewView(ListView& list, QWidget* parent, const ViewContext& context)
    : ControlView(list, new QTreeWidget(parent), context), list_(list), widget_(static_cast<QTreeWidget*>(widget())) {
    widget_->setRootIsDecorated(false);
    widget_->setUniformRowHeights(true);
    widget_->setItemsExpandable(false);
    widget_->setSelectionMode(QAbstractItemView::SingleSelection);
    widget_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    // A click must not scroll the rows under the pointer before the model hears of the click.
    widget_->setAutoScroll(false);
    connect(widget_->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this](int pixels) { list_.userScroll(static_cast<int32_t>(scale().twipsY(pixels))); });
    widget_->setAllColumnsShowFocus(true);
    widget_->setItemDelegate(new RowHeightDelegate(widget_, rowPixels_));
    widget_->header()->setSectionsMovable(false);
    widget_->header()->setStretchLastSection(false);
    widget_->header()->setFixedHeight(ListView::kHeaderPixels);
    widget_->viewport()->installEventFilter(this);
    QObject::connect(widget_, &QTreeWidget::itemChanged, this,
                     [this](QTreeWidgetItem* item, int column) { itemToggled(item, column); });
}

void ListViewView::syncContent() {
    rowPixels_ = scale().y(list_.RowHeight());
    syncColumns();
    syncItems();
}

void ListViewView::syncColumns() {
    widget_->setColumnCount(list_.ColumnCount());
    QStringList headers;
    for (int i = 1; i <= list_.ColumnCount(); ++i) {
        const ColumnHeader& column = list_.ColumnHeaders(i);
        headers.append(ansi::toQt(column.Text()));
        widget_->setColumnWidth(i - 1, scale().x(column.Width()));
    }
    widget_->setHeaderLabels(headers);
}

void ListViewView::syncItems() {
    // Rows are updated in place: this may run inside a signal of one of them (a check box click).
    int count = list_.ListItems().Count();
    while (widget_->topLevelItemCount() > count) {
        delete widget_->takeTopLevelItem(widget_->topLevelItemCount() - 1);
    }
    while (widget_->topLevelItemCount() < count) {
        new QTreeWidgetItem(widget_);
    }
    QTreeWidgetItem* selected = nullptr;
    int index = 0;
    for (const auto& item : list_.ListItems()) {
        QTreeWidgetItem* row = widget_->topLevelItem(index++);
        row->setText(0, ansi::toQt(item->Text()));
        for (int column = 1; column < list_.ColumnCount(); ++column) {
            row->setText(column, ansi::toQt(item->SubItems(column)));
        }
        if (list_.Checkboxes()) {
            row->setCheckState(0, item->Checked() ? Qt::Checked : Qt::Unchecked);
        }
        if (item->Selected()) {
            selected = row;
        }
    }
    if (selected != nullptr) {
        widget_->setCurrentItem(selected);
    } else {
        widget_->clearSelection();
    }
}

void ListViewView::itemToggled(QTreeWidgetItem* item, int column) {
    int row = widget_->indexOfTopLevelItem(item);
    if (column != 0 || row < 0 || row >= list_.ListItems().Count() || !list_.Checkboxes()) {
        return;
    }
    bool checked = item->checkState(0) == Qt::Checked;
    user([&] { list_.userCheck(list_.ListItems(row + 1), checked); });
}

void ListViewView::mouseReleased(const QMouseEvent& event) {
    // The model's coordinates start above the header; the model knows how far the rows are scrolled.
    QPoint at = event.position().toPoint();
    float x = scale().twipsX(at.x() + widget_->horizontalScrollBar()->value());
    float y = scale().twipsY(at.y() + ListView::kHeaderPixels);
    int button = vbButton(event.button());
    int shift = vbShift(event.modifiers());
    // After the list has handled the release itself, so a check box click comes before MouseUp.
    QTimer::singleShot(0, this, [this, button, shift, x, y] { user([&] { list_.userMouseUp(button, shift, x, y); }); });
}

bool ListViewView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == widget_->viewport() && event->type() == QEvent::MouseButtonRelease) {
        mouseReleased(static_cast<const QMouseEvent&>(*event));
    }
    return ControlView::eventFilter(watched, event);
}

} // namespace corvane::forms::qt

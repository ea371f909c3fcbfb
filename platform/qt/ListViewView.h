#pragma once

#include "forms/ListView.h"
#include "platform/qt/ControlView.h"

#include <QTreeWidget>

namespace corvane::forms::qt {

/// A list view in report view as a tree widget without root decoration: the model's columns, rows
/// with check boxes, and its geometry (header and row heights), so that the model's `HitTest` and
/// item positions match what is shown. A released mouse button becomes `MouseUp` in the list's own
/// twips; a click on a check box becomes the user's check.
class ListViewView : public ControlView {
public:
    ListViewView(ListView& list, QWidget* parent, const ViewContext& context);

protected:
    void syncContent() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void syncColumns();
    void syncItems();
    void itemToggled(QTreeWidgetItem* item, int column);
    void mouseReleased(const QMouseEvent& event);

    ListView& list_;
    QTreeWidget* widget_;
    int rowPixels_ = ListView::kDefaultRowPixels;
};

} // namespace corvane::forms::qt

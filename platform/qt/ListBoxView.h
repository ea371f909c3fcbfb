#pragma once

#include "forms/ListBox.h"
#include "platform/qt/ControlView.h"

#include <QListWidget>

namespace corvane::forms::qt {

/// A list box: the model's items, selection and top item. Picking with the mouse or the arrow keys
/// selects through the model; typed characters go to `KeyPress`.
class ListBoxView : public ControlView {
public:
    ListBoxView(ListBox& list, QWidget* parent, const ViewContext& context);

protected:
    void syncContent() override;
    bool takesCharacters() const override { return true; }

private:
    ListBox& list_;
    QListWidget* widget_;
};

} // namespace corvane::forms::qt

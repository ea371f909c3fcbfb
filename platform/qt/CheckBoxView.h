#pragma once

#include "forms/CheckBox.h"
#include "platform/qt/ControlView.h"

#include <QCheckBox>

namespace corvane::forms::qt {

/// A check box showing 0, 1 or 2 (grayed); the user's click goes to the model, which toggles it.
class CheckBoxView : public ControlView {
public:
    CheckBoxView(CheckBox& checkBox, QWidget* parent, const ViewContext& context);

protected:
    void syncContent() override;

private:
    CheckBox& checkBox_;
    QCheckBox* widget_;
};

} // namespace corvane::forms::qt

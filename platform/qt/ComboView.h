#pragma once

#include "forms/ComboBox.h"
#include "platform/qt/ControlView.h"

#include <QComboBox>

namespace corvane::forms::qt {

/// A drop-down list combo box; the user's pick (mouse or keys) goes to the model.
class ComboView : public ControlView {
public:
    ComboView(ComboBox& combo, QWidget* parent, const ViewContext& context);

protected:
    void syncContent() override;

private:
    ComboBox& combo_;
    QComboBox* widget_;
};

} // namespace corvane::forms::qt

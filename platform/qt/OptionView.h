#pragma once

#include "forms/OptionButton.h"
#include "platform/qt/ControlView.h"

#include <QRadioButton>

namespace corvane::forms::qt {

/// An option button; the model keeps its group exclusive and fires the group's `Click`.
class OptionView : public ControlView {
public:
    OptionView(OptionButton& option, QWidget* parent, const ViewContext& context);

protected:
    void syncContent() override;

private:
    OptionButton& option_;
    QRadioButton* widget_;
};

} // namespace corvane::forms::qt

#pragma once

#include "forms/Label.h"
#include "platform/qt/CaptionLabel.h"
#include "platform/qt/ControlView.h"

namespace corvane::forms::qt {

/// A label in its own font (size, bold, underline); an underlined label is a link and shows the
/// pointing hand. A click fires `Click`.
class LabelView : public ControlView {
public:
    LabelView(Label& label, QWidget* parent, const ViewContext& context);

protected:
    void syncContent() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Label& label_;
    CaptionLabel* widget_;
};

} // namespace corvane::forms::qt

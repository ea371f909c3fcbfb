#pragma once

#include "forms/TextControl.h"
#include "platform/qt/ControlView.h"

#include <QString>

namespace corvane::forms::qt {

/// What the text box and rich-text box views share. Typed characters and Backspace go through the
/// model (`KeyPress`, then the model's own edit); editing keys that make no character (Delete,
/// paste, cut) are the widget's, and the view then hands the widget's text and caret to the model.
class TextView : public ControlView {
public:
    TextView(TextControl& text, QWidget* widget, const ViewContext& context)
        : ControlView(text, widget, context), text_(text) {}

protected:
    void syncContent() override;
    bool takesCharacters() const override { return true; }

    /// The widget changed its text or caret on its own: the model takes them over.
    void widgetEdited();

    virtual QString widgetText() const = 0;
    virtual void setWidgetText(const QString& text) = 0;
    /// Start and length of the widget's selection (the caret when empty).
    virtual std::pair<int, int> widgetSelection() const = 0;
    virtual void setWidgetSelection(int start, int length) = 0;

private:
    TextControl& text_;
};

} // namespace corvane::forms::qt

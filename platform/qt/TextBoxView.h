#pragma once

#include "forms/TextBox.h"
#include "platform/qt/TextView.h"

#include <QLineEdit>

namespace corvane::forms::qt {

/// A single-line text box as a line edit.
class TextBoxView : public TextView {
public:
    TextBoxView(TextBox& textBox, QWidget* parent, const ViewContext& context);

protected:
    QString widgetText() const override { return widget_->text(); }
    void setWidgetText(const QString& text) override { widget_->setText(text); }
    std::pair<int, int> widgetSelection() const override;
    void setWidgetSelection(int start, int length) override;

private:
    QLineEdit* widget_;
};

} // namespace corvane::forms::qt

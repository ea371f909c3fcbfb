#pragma once

#include "forms/RichTextBox.h"
#include "platform/qt/TextView.h"

#include <QPlainTextEdit>

namespace corvane::forms::qt {

/// A rich-text box as a plain-text editor: the model's LF-separated lines are its lines.
class RichTextView : public TextView {
public:
    RichTextView(RichTextBox& richText, QWidget* parent, const ViewContext& context);

protected:
    QString widgetText() const override { return widget_->toPlainText(); }
    void setWidgetText(const QString& text) override { widget_->setPlainText(text); }
    std::pair<int, int> widgetSelection() const override;
    void setWidgetSelection(int start, int length) override;

private:
    QPlainTextEdit* widget_;
};

} // namespace corvane::forms::qt

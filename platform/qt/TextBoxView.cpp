#include "platform/qt/TextBoxView.h"

namespace corvane::forms::qt {

TextBoxView::TextBoxView(TextBox& textBox, QWidget* parent, const ViewContext& context)
    : TextView(textBox, new QLineEdit(parent), context), widget_(static_cast<QLineEdit*>(widget())) {
    QObject::connect(widget_, &QLineEdit::textEdited, this, [this] { widgetEdited(); });
    QObject::connect(widget_, &QLineEdit::cursorPositionChanged, this, [this] { widgetEdited(); });
    QObject::connect(widget_, &QLineEdit::selectionChanged, this, [this] { widgetEdited(); });
}

std::pair<int, int> TextBoxView::widgetSelection() const {
    if (widget_->hasSelectedText()) {
        return {static_cast<int>(widget_->selectionStart()), static_cast<int>(widget_->selectionLength())};
    }
    return {static_cast<int>(widget_->cursorPosition()), 0};
}

void TextBoxView::setWidgetSelection(int start, int length) {
    if (length > 0) {
        widget_->setSelection(start, length);
    } else {
        widget_->setCursorPosition(start);
    }
}

} // namespace corvane::forms::qt

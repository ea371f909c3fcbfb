#include "platform/qt/RichTextView.h"

#include <QTextCursor>

namespace corvane::forms::qt {

RichTextView::RichTextView(RichTextBox& richText, QWidget* parent, const ViewContext& context)
    : TextView(richText, new QPlainTextEdit(parent), context), widget_(static_cast<QPlainTextEdit*>(widget())) {
    widget_->setTabChangesFocus(true);
    widget_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QObject::connect(widget_, &QPlainTextEdit::textChanged, this, [this] { widgetEdited(); });
    QObject::connect(widget_, &QPlainTextEdit::cursorPositionChanged, this, [this] { widgetEdited(); });
}

std::pair<int, int> RichTextView::widgetSelection() const {
    QTextCursor cursor = widget_->textCursor();
    return {cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart()};
}

void RichTextView::setWidgetSelection(int start, int length) {
    QTextCursor cursor = widget_->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    widget_->setTextCursor(cursor);
}

} // namespace corvane::forms::qt

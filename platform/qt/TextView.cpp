#include "platform/qt/TextView.h"

#include "platform/qt/AnsiText.h"

namespace corvane::forms::qt {

void TextView::syncContent() {
    QString shown = ansi::toQt(text_.Text());
    if (widgetText() != shown) {
        setWidgetText(shown);
    }
    std::pair<int, int> selection{text_.SelStart(), text_.SelLength()};
    if (widgetSelection() != selection) {
        setWidgetSelection(selection.first, selection.second);
    }
}

void TextView::widgetEdited() {
    user([this] {
        std::string text = ansi::fromQt(widgetText());
        auto [start, length] = widgetSelection();
        if (text != text_.Text()) {
            text_.setText(std::move(text));
        }
        text_.setSelStart(start);
        text_.setSelLength(length);
    });
}

} // namespace corvane::forms::qt

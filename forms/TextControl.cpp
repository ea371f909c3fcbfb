#include "forms/TextControl.h"

#include "forms/Runtime.h"

#include <algorithm>
#include <utility>

namespace corvane::forms {

namespace {
constexpr int16_t kBackspace = 8;
constexpr int16_t kEnter = 13;
constexpr int16_t kFirstPrintable = 32;
} // namespace

TextControl::TextControl(Container& parent, ControlProps props, Options options, bool multiLine)
    : Control(parent, std::move(props)), text_(std::move(options.text)), multiLine_(multiLine) {}

void TextControl::setText(std::string text) {
    selStart_ = 0;
    selLength_ = 0;
    if (text == text_) {
        return;
    }
    text_ = std::move(text);
    changed();
    runtime().raise(Change);
}

void TextControl::setSelStart(int32_t selStart) {
    selStart_ = std::clamp(selStart, 0, length());
    selLength_ = 0;
    changed();
}

void TextControl::setSelLength(int32_t selLength) {
    selLength_ = std::clamp(selLength, 0, length() - selStart_);
    changed();
}

std::string TextControl::SelText() const {
    return text_.substr(static_cast<size_t>(selStart_), static_cast<size_t>(selLength_));
}

void TextControl::userKeyPress(int16_t keyAscii) {
    runtime().raise(KeyPress, keyAscii);
    if (keyAscii == kBackspace) {
        backspace();
    } else if (keyAscii == kEnter && multiLine_) {
        replaceSelection("\n");
    } else if (keyAscii >= kFirstPrintable && keyAscii <= 255) {
        replaceSelection(std::string(1, static_cast<char>(static_cast<unsigned char>(keyAscii))));
    }
}

void TextControl::replaceSelection(const std::string& insert) {
    std::string text = text_;
    text.replace(static_cast<size_t>(selStart_), static_cast<size_t>(selLength_), insert);
    edit(std::move(text), selStart_ + static_cast<int32_t>(insert.size()));
}

void TextControl::backspace() {
    if (selLength_ > 0) {
        replaceSelection("");
    } else if (selStart_ > 0) {
        std::string text = text_;
        text.erase(static_cast<size_t>(selStart_ - 1), 1);
        edit(std::move(text), selStart_ - 1);
    }
}

void TextControl::edit(std::string text, int32_t caret) {
    bool different = text != text_;
    text_ = std::move(text);
    selStart_ = caret;
    selLength_ = 0;
    changed();
    if (different) {
        runtime().raise(Change);
    }
}

} // namespace corvane::forms

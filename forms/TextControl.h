#pragma once

#include "forms/Control.h"

#include <cstdint>
#include <functional>
#include <string>

namespace corvane::forms {

/// Design properties of a TextControl beyond `ControlProps`.
struct TextControlOptions {
    std::string text;
};

/// What text boxes and rich-text boxes share: the text, the selection, `Change` and `KeyPress`.
class TextControl : public Control {
public:
    using Options = TextControlOptions;

    bool canFocus() const override { return true; }

    const std::string& Text() const { return text_; }
    /// A different text fires `Change`; the caret goes to the start.
    void setText(std::string text);
    /// Caret position, or start of the selection, in characters from 0.
    int32_t SelStart() const { return selStart_; }
    /// Moves the caret (clamped to the text) and empties the selection.
    void setSelStart(int32_t selStart);
    int32_t SelLength() const { return selLength_; }
    /// Selects from the caret on (clamped to the text).
    void setSelLength(int32_t selLength);
    std::string SelText() const;

    std::function<void()> Change;
    /// Fires before a typed character changes the text; setting the code to 0 discards the key.
    std::function<void(int16_t& keyAscii)> KeyPress;

    /// Fires `KeyPress`, then edits as the control does: a printable character replaces the
    /// selection, Backspace deletes the selection or the character before the caret, Enter starts a
    /// new line in a multi-line control.
    void userKeyPress(int16_t keyAscii) override;

protected:
    TextControl(Container& parent, ControlProps props, Options options, bool multiLine);

private:
    void replaceSelection(const std::string& insert);
    void backspace();
    void edit(std::string text, int32_t caret);
    int32_t length() const { return static_cast<int32_t>(text_.size()); }

    std::string text_;
    int32_t selStart_ = 0;
    int32_t selLength_ = 0;
    bool multiLine_;
};

} // namespace corvane::forms

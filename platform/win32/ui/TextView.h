#pragma once

#include "forms/TextControl.h"
#include "platform/win32/ui/ControlView.h"

#include <string>
#include <utility>

namespace corvane::forms::win32 {

/// A text box (a single-line edit control) or a rich-text box (a multi-line rich edit control).
///
/// The model owns the text: a typed character goes to the model's `KeyPress` and edit (which may
/// discard it), and the window then shows what the model holds. Edits the control makes on its own
/// (Delete, cut and paste) are read back into the model.
class TextView : public ControlView {
public:
    /// `rich` makes a multi-line rich edit control, whose paragraphs are the model's LF-separated lines.
    TextView(TextControl& text, HWND parent, const ViewContext& context, bool rich);

    void command(WORD code) override;

protected:
    void syncContent() override;
    std::optional<LRESULT> message(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    std::string shownText() const;
    void show(const std::string& text);
    std::pair<int32_t, int32_t> shownSelection() const;
    void takeSelection();

    TextControl& text_;
    bool rich_;
};

} // namespace corvane::forms::win32

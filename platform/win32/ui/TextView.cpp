#include "platform/win32/ui/TextView.h"

#include "forms/Form.h"
#include "platform/win32/ui/WindowText.h"

#include <algorithm>

namespace corvane::forms::win32 {

namespace {
constexpr int16_t kBackspace = 8;
constexpr int16_t kFirstPrintable = 32;
constexpr const char* kRichEditClass = "RichEdit20A";

// ES_WANTRETURN keeps Enter in a rich-text box from the dialog manager, which would press the default
// button with it (or, under a frame, drop it): Enter starts a new line there, as in VB.
DWORD styleOf(bool rich) {
    return WS_TABSTOP | (rich ? ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL : ES_AUTOHSCROLL);
}

/// The same text with one line break swapped for another (the rich edit control ends its paragraphs
/// with CR; the model separates lines with LF).
std::string replaced(std::string text, char from, char to) {
    std::replace(text.begin(), text.end(), from, to);
    return text;
}
} // namespace

TextView::TextView(TextControl& text, HWND parent, const ViewContext& context, bool rich)
    : ControlView(text, context, parent, rich ? kRichEditClass : "EDIT", styleOf(rich), WS_EX_CLIENTEDGE), text_(text),
      rich_(rich) {
    if (rich_) {
        SendMessageA(window(), EM_SETEVENTMASK, 0, ENM_CHANGE);
    }
}

std::string TextView::shownText() const {
    if (!rich_) {
        return windowText(window());
    }
    GETTEXTLENGTHEX length{GTL_NUMBYTES | GTL_PRECISE, CP_ACP};
    std::string text(
        static_cast<size_t>(SendMessageA(window(), EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0)) + 1,
        '\0');
    GETTEXTEX request{static_cast<DWORD>(text.size()), GT_DEFAULT, CP_ACP, nullptr, nullptr};
    text.resize(static_cast<size_t>(SendMessageA(window(), EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request),
                                                 reinterpret_cast<LPARAM>(text.data()))));
    return replaced(std::move(text), '\r', '\n');
}

void TextView::show(const std::string& text) {
    SetWindowTextA(window(), (rich_ ? replaced(text, '\n', '\r') : text).c_str());
}

std::pair<int32_t, int32_t> TextView::shownSelection() const {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(window(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int32_t>(start), static_cast<int32_t>(end - start)};
}

void TextView::syncContent() {
    if (shownText() != text_.Text()) {
        show(text_.Text());
    }
    const std::pair<int32_t, int32_t> selection{text_.SelStart(), text_.SelLength()};
    if (shownSelection() != selection) {
        SendMessageA(window(), EM_SETSEL, static_cast<WPARAM>(selection.first),
                     static_cast<LPARAM>(selection.first + selection.second));
    }
}

void TextView::takeSelection() {
    const auto [start, length] = shownSelection();
    text_.setSelStart(start);
    text_.setSelLength(length);
}

void TextView::command(WORD code) {
    if (code != EN_CHANGE) {
        return;
    }
    // The control edited by itself (Delete, cut, paste): the model takes the result.
    user([this] {
        std::string shown = shownText();
        if (shown != text_.Text()) {
            text_.setText(std::move(shown));
        }
        takeSelection();
    });
}

std::optional<LRESULT> TextView::message(UINT msg, WPARAM wParam, LPARAM) {
    // A rich-text box keeps its Enter, as VB's does: the line break is the model's edit, typed like any
    // character, and no default button is pressed. The control breaks no line by itself.
    const bool richEnter = rich_ && wParam == VK_RETURN;
    if (msg == WM_KEYDOWN && richEnter) {
        return 0;
    }
    if (msg != WM_CHAR) {
        return std::nullopt;
    }
    const auto code = static_cast<int16_t>(static_cast<unsigned char>(wParam));
    if (code < kFirstPrintable && code != kBackspace && !richEnter) {
        return std::nullopt;
    }
    user([this, code, richEnter] {
        takeSelection();
        Form& form = text_.form();
        form.userFocus(text_);
        if (richEnter) {
            text_.userKeyPress(code);
        } else {
            form.userKeyPress(code);
        }
    });
    return 0;
}

} // namespace corvane::forms::win32

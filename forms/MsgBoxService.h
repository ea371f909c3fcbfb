#pragma once

#include <string>

namespace corvane::forms {

/// Answers of a message box, with VB's numbers.
inline constexpr int vbOK = 1;
inline constexpr int vbYes = 6;
inline constexpr int vbNo = 7;

enum class MsgBoxButtons { OkOnly, YesNo };
enum class MsgBoxIcon { None, Critical, Question, Exclamation, Information };

/// Buttons, icon and default button of a message box.
struct MsgBoxStyle {
    MsgBoxButtons buttons = MsgBoxButtons::OkOnly;
    MsgBoxIcon icon = MsgBoxIcon::None;
    /// The second button (No) is the default one.
    bool defaultButton2 = false;
};

/// One message box as the program asks for it.
struct MsgBoxRequest {
    std::string text;
    std::string title;
    MsgBoxStyle style;
};

/// Shows modal message boxes. While a box is open the implementation keeps the program's message
/// loop running (`Runtime::processEvents`), so timers tick behind it.
class MsgBoxService {
public:
    virtual ~MsgBoxService() = default;
    /// Shows the box and returns the button chosen: vbOK, vbYes or vbNo.
    virtual int show(const MsgBoxRequest& request) = 0;
};

} // namespace corvane::forms

#pragma once

#include "platform/win32/ui/WinApi.h"

#include <string>
#include <string_view>

namespace corvane::win32::com {

/// The system's ANSI text as COM's wide text, and back: every string crossing to and from ACT! goes
/// through the ANSI code page, as a VB program's strings do.
std::wstring wideOf(std::string_view ansi);
std::string ansiOf(const wchar_t* wide, size_t length);

/// Owns a BSTR and frees it once; never copied.
class Bstr {
public:
    Bstr() = default;
    explicit Bstr(std::string_view ansi);
    ~Bstr() { SysFreeString(text_); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;

    BSTR get() const { return text_; }
    /// For an out-parameter: frees what is held and gives the slot to fill.
    BSTR* put() {
        SysFreeString(text_);
        text_ = nullptr;
        return &text_;
    }
    std::string ansi() const { return ansiOf(text_, SysStringLen(text_)); }

private:
    BSTR text_ = nullptr;
};

} // namespace corvane::win32::com

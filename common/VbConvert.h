#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

/// VB's conversions of text to numbers and truth values, with VB's errors, for values read from
/// files and from ACT!.
namespace corvane::vb {

/// The number a text stands for, as VB reads numeric text: blanks around it, an optional sign,
/// digits with an optional decimal point and exponent, or "&H"/"&O" hexadecimal and octal.
/// Nothing when the text is not a number (the empty text is not one) or is too large for a double;
/// one too small is 0. The reading never depends on the process's locale.
std::optional<double> parseNumber(std::string_view text);

/// VB's IsNumeric for text.
bool IsNumeric(std::string_view text);

/// VB's CInt: rounds half to even; "Overflow" (6) outside -32768..32767.
int16_t CInt(double value);
/// CInt of text: "Type mismatch" (13) when it is not a number.
int16_t CInt(std::string_view text);
/// CLng: as CInt, for 32-bit numbers.
int32_t CLng(double value);

/// VB's CBool of text: "True" and "False" (any case), 0 false and any other number true; any
/// other text is a "Type mismatch" (13).
bool CBool(std::string_view text);

/// A truth value as the programs keep it: -1 for true, 0 for false.
inline int16_t truth(bool value) {
    return value ? int16_t{-1} : int16_t{0};
}

} // namespace corvane::vb

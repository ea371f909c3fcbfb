#pragma once

#include <cstdint>
#include <string>
#include <string_view>

/// Small text helpers with the rules the stored files use. Text is bytes in the ANSI code page
/// (Windows-1252).
namespace corvane::text {

/// Removes leading and trailing spaces (only the space character, as VB's Trim does).
std::string_view trimSpaces(std::string_view s);
/// True when the text is empty or holds spaces alone.
bool isBlank(std::string_view s);

/// Removes leading and trailing blanks (spaces, tabs and the other white-space bytes but line ends),
/// as the profile functions do around names and values.
std::string_view trimBlanks(std::string_view s);
/// Removes leading blanks only.
std::string_view trimLeadingBlanks(std::string_view s);

/// Compares names without regard to case, folding the letters of Windows-1252 as the system's
/// case-insensitive comparison does (A-Z, accented letters, Š, Œ, Ž, Ÿ).
bool equalsIgnoreCase(std::string_view a, std::string_view b);

/// Removes every occurrence of a text (case-sensitive), as VB's Replace(s, what, "") does.
std::string removeAll(std::string_view s, std::string_view what);

/// The decimal text of a number: no leading zeros, no blanks, "-" for a negative number.
std::string decimal(int64_t value);

} // namespace corvane::text

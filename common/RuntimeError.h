#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace corvane {

/// The trappable run-time error numbers of classic VB that the programs raise. Support staff know
/// them by number, so failures carry the same numbers and descriptions VB would have shown.
namespace vberr {
inline constexpr int InvalidProcedureCall = 5;
inline constexpr int Overflow = 6;
inline constexpr int OutOfMemory = 7;
inline constexpr int SubscriptOutOfRange = 9;
inline constexpr int TypeMismatch = 13;
inline constexpr int InternalError = 51;
inline constexpr int BadFileNameOrNumber = 52;
inline constexpr int FileNotFound = 53;
inline constexpr int FileAlreadyOpen = 55;
inline constexpr int DeviceIoError = 57;
inline constexpr int DiskFull = 61;
inline constexpr int InputPastEndOfFile = 62;
inline constexpr int PermissionDenied = 70;
inline constexpr int PathFileAccessError = 75;
inline constexpr int PathNotFound = 76;
inline constexpr int ObjectVariableNotSet = 91;
inline constexpr int InvalidFileFormat = 321;
inline constexpr int InvalidPropertyValue = 380;
inline constexpr int CantCreateObject = 429;
inline constexpr int ObjectDoesNotSupportMember = 438;
inline constexpr int AutomationError = 440;
inline constexpr int PrinterError = 482;
inline constexpr int NoPrinter = 484;
} // namespace vberr

/// VB's own description for one of the numbers above ("Application-defined or object-defined
/// error" for any other number, as VB says).
std::string_view vbErrorDescription(int number);

/// A failure inside the programs: VB's error number and description. Everything that can fail in
/// system code throws this; the guard of the operation that called it turns it into `ErrorReport`.
class RuntimeError : public std::exception {
public:
    explicit RuntimeError(int number);
    RuntimeError(int number, std::string description);

    int number() const noexcept { return number_; }
    const std::string& description() const noexcept { return description_; }
    const char* what() const noexcept override { return description_.c_str(); }

private:
    int number_;
    std::string description_;
};

} // namespace corvane

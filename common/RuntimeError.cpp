#include "common/RuntimeError.h"

#include <utility>

namespace corvane {

std::string_view vbErrorDescription(int number) {
    switch (number) {
    case vberr::InvalidProcedureCall:
        return "Invalid procedure call or argument";
    case vberr::Overflow:
        return "Overflow";
    case vberr::OutOfMemory:
        return "Out of memory";
    case vberr::SubscriptOutOfRange:
        return "Subscript out of range";
    case vberr::TypeMismatch:
        return "Type mismatch";
    case vberr::InternalError:
        return "Internal error";
    case vberr::BadFileNameOrNumber:
        return "Bad file name or number";
    case vberr::FileNotFound:
        return "File not found";
    case vberr::FileAlreadyOpen:
        return "File already open";
    case vberr::DeviceIoError:
        return "Device I/O error";
    case vberr::DiskFull:
        return "Disk full";
    case vberr::InputPastEndOfFile:
        return "Input past end of file";
    case vberr::PermissionDenied:
        return "Permission denied";
    case vberr::PathFileAccessError:
        return "Path/File access error";
    case vberr::PathNotFound:
        return "Path not found";
    case vberr::ObjectVariableNotSet:
        return "Object variable or With block variable not set";
    case vberr::InvalidFileFormat:
        return "Invalid file format";
    case vberr::InvalidPropertyValue:
        return "Invalid property value";
    case vberr::CantCreateObject:
        return "ActiveX component can't create object";
    case vberr::ObjectDoesNotSupportMember:
        return "Object doesn't support this property or method";
    case vberr::PrinterError:
        return "Printer error";
    case vberr::NoPrinter:
        return "Problem getting printer information from the system. Make sure the printer is set up correctly.";
    case vberr::AutomationError:
        return "Automation error";
    default:
        return "Application-defined or object-defined error";
    }
}

RuntimeError::RuntimeError(int number) : RuntimeError(number, std::string(vbErrorDescription(number))) {}

RuntimeError::RuntimeError(int number, std::string description)
    : number_(number), description_(std::move(description)) {}

} // namespace corvane

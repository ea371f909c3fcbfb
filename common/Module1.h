#pragma once

#include "common/ErrorReport.h"
#include "common/act/Act.h"

#include <string>
#include <string_view>

/// The helpers both programs keep in their `Module1`.
namespace corvane::Module1 {

/// The generic name of a database path: the file name after the last "\" or "/" (the whole path when
/// there is none), cut before its first ".". "D:\Data\Sales.2003.dbf" gives "Sales". A file name
/// without "." fails with "Invalid procedure call or argument" (5).
std::string genericNameOf(std::string_view databasePath);

/// The generic name of the database ACT! has open. A failure is reported under
/// "Module1: Function Get_Generic_Name" and gives "".
std::string Get_Generic_Name(act::Application& app, ErrorReporter& errors);

/// True for an existing file or folder, false for a path that names nothing. A path whose existence
/// cannot be told is reported under "Module1: Function FileExists" and ends the caller's operation
/// (`ReportedFailure`): a users file that may be there must not count as missing.
bool FileExists(const std::string& path, ErrorReporter& errors);

} // namespace corvane::Module1

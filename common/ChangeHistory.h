#pragma once

#include "common/HistoryRecord.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// The change history of a database: `<generic name>.history` beside the users file, one record per
/// value the trigger wrote, appended by every trigger on every machine.
///
/// The file is CSV as RFC 4180 has it, with CR LF line ends and a header line, so a spreadsheet
/// opens it: every field is quoted and a quote inside a value is doubled. A record must stay one
/// physical line, so that an append is one whole line and a reader can skip a bad line and go on;
/// inside the quotes a CR is therefore written "\r", an LF "\n" and a backslash "\\". A spreadsheet
/// shows a multi-line value on one line with those marks; every other byte (tabs, commas, letters of
/// Windows-1252) is kept as it is. Columns: the time in UTC as ISO 8601 ("2026-12-07T06:19:38Z"),
/// the user's unique ID, the field number, the value before the run, the value written.
namespace corvane::ChangeHistory {

/// The header line, with its CR LF, which starts every file. A reader skips it wherever it stands
/// (files joined by hand).
inline constexpr std::string_view kHeaderLine = "\"Time\",\"User\",\"Field\",\"Before\",\"After\"\r\n";

/// The history file of a database: the users file's folder, the separator, the generic name and
/// ".history" ("Settings/Sales.history"). A users path without a folder gives the bare file name.
std::string historyPath(std::string_view usersPath, std::string_view genericName);

/// A record as one line of the file, with its CR LF.
std::string formatRecord(const HistoryRecord& record);

/// The record of one line (without its line end); nothing when the line is not a whole, valid record.
std::optional<HistoryRecord> parseRecord(std::string_view line);

/// A time as the file writes it: ISO 8601 in UTC, "2026-12-07T06:19:38Z".
std::string isoTime(std::chrono::sys_seconds time);

/// What a history file holds: its records in file order, and the number of lines that were neither a
/// record, a header nor empty (a torn or hand-edited line), which were skipped.
struct Content {
    std::vector<HistoryRecord> records;
    int64_t badLines = 0;
};

/// Reads the bytes of a history file; never fails on its content.
Content parse(std::string_view bytes);

/// Appends one record to a history file in one write, so that records appended at once by several
/// programs never interleave; a new or empty file gets the header line first. Makes the file when
/// it is missing, never its folder. Fails with VB's file errors (76 for a missing folder, 75 when the
/// file cannot be opened, 57 when the record could not be written whole).
void append(const std::string& path, const HistoryRecord& record);

} // namespace corvane::ChangeHistory

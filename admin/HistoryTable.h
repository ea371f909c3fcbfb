#pragma once

#include "common/ChangeHistory.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace corvane::admin {

/// One change as the history dialog shows it, with the keys its filters use.
struct HistoryRow {
    std::string time;  ///< local time, "2026-12-07 07:19:38"
    std::string user;  ///< the user's name, or the unique ID when ACT! names no such user
    std::string field; ///< the field's label, or its number when ACT! has no such field
    std::string before;
    std::string after;
    std::string userId;
    int16_t fieldNumber = 0;
};

/// The rows of a change history, newest first (records of the same second in reverse file order, so
/// the last written comes first), with ACT!'s names for users and fields.
class HistoryTable {
public:
    HistoryTable(const ChangeHistory::Content& content, const std::map<std::string, std::string>& userNames,
                 const std::map<int16_t, std::string>& fieldLabels);

    const std::vector<HistoryRow>& rows() const { return rows_; }

    /// The rows of one field and one user; no field or no user matches every row.
    std::vector<const HistoryRow*> matching(std::optional<int16_t> field,
                                            const std::optional<std::string>& userId) const;

    /// Rows as a CSV file for a spreadsheet, as the dialog shows them: a header line, every field
    /// quoted with its quotes doubled, CR LF line ends. Line breaks inside a value stay as they are,
    /// which quoted CSV fields may hold.
    static std::string csvOf(const std::vector<const HistoryRow*>& rows);

private:
    std::vector<HistoryRow> rows_;
};

} // namespace corvane::admin

#include "forms/PrintTable.h"

#include "common/Text.h"

#include <algorithm>
#include <map>
#include <utility>

namespace corvane::forms {
namespace {

constexpr std::string_view kEllipsis = "...";

/// Text widths, measured once per text and weight: a report's cells repeat a few texts many times.
class Widths {
public:
    explicit Widths(PrintCanvas& canvas) : canvas_(canvas) {}

    int32_t of(const std::string& text, bool bold) {
        auto& known = bold ? bold_ : normal_;
        const auto [at, added] = known.try_emplace(text, 0);
        if (added) {
            canvas_.setBold(bold);
            at->second = canvas_.textWidth(text);
        }
        return at->second;
    }

private:
    PrintCanvas& canvas_;
    std::map<std::string, int32_t, std::less<>> normal_;
    std::map<std::string, int32_t, std::less<>> bold_;
};

/// The longest start of `text` that fits `width` with the ellipsis after it (the whole text when it
/// fits as it is).
std::string fitted(PrintCanvas& canvas, Widths& widths, const std::string& text, int32_t width, bool bold) {
    if (widths.of(text, bold) <= width) {
        return text;
    }
    canvas.setBold(bold);
    size_t fits = 0;
    size_t tooLong = text.size();
    while (fits + 1 < tooLong) {
        const size_t middle = (fits + tooLong) / 2;
        if (canvas.textWidth(text.substr(0, middle) + std::string(kEllipsis)) <= width) {
            fits = middle;
        } else {
            tooLong = middle;
        }
    }
    return text.substr(0, fits) + std::string(kEllipsis);
}

/// The columns after the first that share a page with it: [first, end).
struct ColumnSet {
    size_t first;
    size_t end;
};

std::vector<ColumnSet> columnSets(const std::vector<int32_t>& widths, int32_t pageWidth) {
    std::vector<ColumnSet> sets;
    size_t column = 1;
    do {
        ColumnSet set{column, column};
        int32_t used = widths[0];
        // Each page takes at least one column, so a table always ends.
        while (set.end < widths.size() && (set.end == set.first || used + widths[set.end] <= pageWidth)) {
            used += widths[set.end++];
        }
        sets.push_back(set);
        column = set.end;
    } while (column < widths.size());
    return sets;
}

} // namespace

void printTable(PrintCanvas& canvas, const PrintTable& table) {
    Widths widths(canvas);
    const int32_t line = canvas.lineHeight();
    const int32_t padding = std::max(1, line / 3);
    const int32_t widest = std::max(canvas.pageWidth() / 4, 2 * padding + 1);
    std::vector<int32_t> columnWidths;
    for (size_t column = 0; column < table.headers.size(); ++column) {
        int32_t width = widths.of(table.headers[column], true);
        for (const auto& row : table.rows) {
            width = std::max(width, widths.of(row[column], false));
        }
        columnWidths.push_back(std::min(width + 2 * padding, widest));
    }
    if (columnWidths.empty()) {
        return;
    }
    const int32_t headerTop = 2 * line;
    const int32_t rowsTop = headerTop + line + padding;
    const auto rowsPerPage = static_cast<size_t>(std::max(1, (canvas.pageHeight() - rowsTop) / line));
    const std::vector<ColumnSet> sets = columnSets(columnWidths, canvas.pageWidth());
    const size_t rowPages = std::max<size_t>(1, (table.rows.size() + rowsPerPage - 1) / rowsPerPage);
    const size_t pages = sets.size() * rowPages;

    size_t page = 0;
    for (const ColumnSet& set : sets) {
        std::vector<std::pair<size_t, int32_t>> columns{{0, 0}};
        int32_t right = columnWidths[0];
        for (size_t column = set.first; column < set.end; ++column) {
            columns.emplace_back(column, right);
            right += columnWidths[column];
        }
        for (size_t rowPage = 0; rowPage < rowPages; ++rowPage) {
            if (page++ > 0) {
                canvas.newPage();
            }
            canvas.setBold(true);
            canvas.drawText(0, 0, fitted(canvas, widths, table.title, canvas.pageWidth() * 3 / 4, true));
            const std::string pageText = "Page " + text::decimal(static_cast<int64_t>(page)) + " of " +
                                         text::decimal(static_cast<int64_t>(pages));
            canvas.setBold(false);
            canvas.drawText(canvas.pageWidth() - widths.of(pageText, false), 0, pageText);
            for (const auto& [column, left] : columns) {
                canvas.setBold(true);
                canvas.drawText(
                    left + padding, headerTop,
                    fitted(canvas, widths, table.headers[column], columnWidths[column] - 2 * padding, true));
            }
            canvas.drawLine(0, rowsTop - padding / 2, right, rowsTop - padding / 2);
            const size_t firstRow = rowPage * rowsPerPage;
            const size_t endRow = std::min(table.rows.size(), firstRow + rowsPerPage);
            canvas.setBold(false);
            for (size_t row = firstRow; row < endRow; ++row) {
                const auto top = rowsTop + static_cast<int32_t>(row - firstRow) * line;
                for (const auto& [column, left] : columns) {
                    canvas.drawText(
                        left + padding, top,
                        fitted(canvas, widths, table.rows[row][column], columnWidths[column] - 2 * padding, false));
                }
            }
        }
    }
}

} // namespace corvane::forms

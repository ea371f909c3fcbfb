#pragma once

#include "forms/PrintService.h"

#include <string>
#include <vector>

namespace corvane::forms {

/// A table to print: a title, the column headers and the rows' cells.
struct PrintTable {
    std::string title;
    std::vector<std::string> headers;
    std::vector<std::vector<std::string>> rows;
};

/// Prints a table on as many pages as it needs. Every page starts with the title and "Page n of m",
/// then the column headers in bold. The first column names the row and is repeated on every page;
/// the other columns that do not fit beside it go on to further pages, all rows of one set of
/// columns before the next. Each column is as wide as its widest text, at most a quarter of the
/// page; longer texts are cut short and end in "...".
void printTable(PrintCanvas& canvas, const PrintTable& table);

} // namespace corvane::forms

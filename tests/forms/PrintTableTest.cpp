#include "forms/PrintTable.h"

#include "forms/headless/ScriptedPrinter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane::forms::test {
namespace {

using headless::PrintedPage;
using headless::RecordingCanvas;

std::vector<std::string> textsOf(const PrintedPage& page, bool bold) {
    std::vector<std::string> texts;
    for (const auto& text : page.texts) {
        if (text.bold == bold) {
            texts.push_back(text.text);
        }
    }
    return texts;
}

PrintTable tableOf(size_t columns, size_t rows, const std::string& cell = "Initialize") {
    PrintTable table{"Rights Report: Sales", {"User"}, {}};
    for (size_t column = 1; column < columns; ++column) {
        table.headers.push_back("Field " + std::to_string(column));
    }
    for (size_t row = 0; row < rows; ++row) {
        table.rows.emplace_back(1, "User " + std::to_string(row));
        table.rows.back().resize(columns, cell);
    }
    return table;
}

TEST(PrintTable, EveryPageRepeatsTheTitleTheHeadersAndTheFirstColumn) {
    // Landscape letter: 1000 x 750 dots, 12-dot lines; title and headers take three lines and a
    // padding, so 59 rows fit a page. 130 rows take three pages.
    RecordingCanvas canvas(PrinterOrientation::Landscape);
    printTable(canvas, tableOf(3, 130));

    ASSERT_EQ(canvas.pages().size(), 3U);
    for (size_t page = 0; page < 3; ++page) {
        const PrintedPage& printed = canvas.pages()[page];
        EXPECT_EQ(textsOf(printed, true),
                  (std::vector<std::string>{"Rights Report: Sales", "User", "Field 1", "Field 2"}));
        const std::vector<std::string> normal = textsOf(printed, false);
        EXPECT_EQ(normal.front(), "Page " + std::to_string(page + 1) + " of 3");
        EXPECT_EQ(normal.at(1), "User " + std::to_string(page * 59));
        EXPECT_EQ(printed.lines.size(), 1U) << "one rule under the headers";
        for (const auto& text : printed.texts) {
            EXPECT_LE(text.y + canvas.lineHeight(), canvas.pageHeight()) << text.text;
            EXPECT_LE(text.x + static_cast<int32_t>(text.text.size()) * (text.bold ? 7 : 6), canvas.pageWidth())
                << text.text;
        }
    }
    EXPECT_EQ(textsOf(canvas.pages()[2], false).back(), "Initialize");
    EXPECT_EQ(textsOf(canvas.pages()[2], false).size(), 1 + (130 - 118) * 3U);
}

TEST(PrintTable, ColumnsThatDoNotFitGoOnToFurtherPagesBesideTheFirst) {
    // Each field column is 60 + 2 x 4 dots wide ("Initialize" in normal weight): thirteen fit beside
    // the users' column, so 30 fields take three sets of columns, all rows of each set first.
    RecordingCanvas canvas(PrinterOrientation::Landscape);
    printTable(canvas, tableOf(31, 70));

    ASSERT_EQ(canvas.pages().size(), 6U);
    const auto headers = [&](size_t page) { return textsOf(canvas.pages()[page], true); };
    EXPECT_EQ(headers(0).at(2), "Field 1");
    EXPECT_EQ(headers(1).at(2), "Field 1");
    EXPECT_EQ(textsOf(canvas.pages()[1], false).at(1), "User 59");
    EXPECT_EQ(headers(2).at(1), "User");
    size_t shown = 0;
    for (size_t page = 0; page < 6; page += 2) {
        shown += headers(page).size() - 2;
        EXPECT_EQ(textsOf(canvas.pages()[page], false).front(), "Page " + std::to_string(page + 1) + " of 6");
    }
    EXPECT_EQ(shown, 30U) << "every field printed once in each set of rows";
    EXPECT_EQ(headers(4).back(), "Field 30");
}

TEST(PrintTable, LongTextsAreCutShortToAQuarterOfThePage) {
    PrintTable table{"Title", {"User", "A field"}, {{std::string(300, 'n'), "Full"}}};
    RecordingCanvas canvas(PrinterOrientation::Portrait);
    printTable(canvas, table);

    const std::vector<std::string> normal = textsOf(canvas.pages().at(0), false);
    const std::string& cut = normal.at(1);
    // A quarter of 750 dots, less the padding, holds 29 characters: 26 and the ellipsis.
    EXPECT_EQ(cut, std::string(26, 'n') + "...");
    EXPECT_EQ(normal.at(2), "Full");
}

TEST(PrintTable, ATableWithoutRowsPrintsOnePageOfHeaders) {
    RecordingCanvas canvas(PrinterOrientation::Landscape);
    printTable(canvas, tableOf(2, 0));

    ASSERT_EQ(canvas.pages().size(), 1U);
    EXPECT_EQ(textsOf(canvas.pages()[0], true), (std::vector<std::string>{"Rights Report: Sales", "User", "Field 1"}));
    EXPECT_EQ(textsOf(canvas.pages()[0], false), (std::vector<std::string>{"Page 1 of 1"}));
}

} // namespace
} // namespace corvane::forms::test

#include "common/RuntimeError.h"
#include "forms/PrintTable.h"
#include "platform/win32/ui/GdiPrintCanvas.h"
#include "tests/win32forms/Cue.h"
#include "tests/win32forms/ProgramOnWin32.h"
#include "tests/win32forms/Screenshot.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace corvane::forms::win32::test {
namespace {

constexpr int kWidth = 1100;
constexpr int kHeight = 850;
constexpr uint32_t kWhite = 0xFFFFFF;

/// A white memory bitmap the size of a landscape letter page at 100 dots per inch, to paint a canvas on.
struct Sheet {
    Sheet() { PatBlt(dc.get(), 0, 0, kWidth, kHeight, WHITENESS); }
    ScreenImage image() const {
        GdiFlush();
        const auto* first = static_cast<const uint32_t*>(bits);
        return {kWidth, kHeight, {first, first + kWidth * kHeight}};
    }

    void* bits = nullptr;
    GdiObject<HBITMAP> bitmap = imageBitmap(nullptr, kWidth, kHeight, bits);
    MemoryDc dc{nullptr, bitmap.get()};
};

/// The pixels inside `area` that are not white.
int ink(const ScreenImage& image, const RECT& area) {
    int ink = 0;
    for (LONG y = area.top; y < area.bottom; ++y) {
        for (LONG x = area.left; x < area.right; ++x) {
            ink += (image.pixels[static_cast<size_t>(y * image.width + x)] & kWhite) != kWhite ? 1 : 0;
        }
    }
    return ink;
}

TEST(GdiPrintCanvas, MeasuresTheWholeBitmapAndNinePointTextAndTurnsPagesThroughTheCallback) {
    const Sheet sheet;
    int pagesTurned = 0;
    GdiPrintCanvas canvas(sheet.dc.get(), [&] { ++pagesTurned; });
    EXPECT_EQ(canvas.pageWidth(), kWidth);
    EXPECT_EQ(canvas.pageHeight(), kHeight);
    // 9 points are 12 pixels at the screen's 96 dots per inch; the line adds the font's leading.
    EXPECT_GE(canvas.lineHeight(), 12);
    EXPECT_LE(canvas.lineHeight(), 18);
    const int32_t normal = canvas.textWidth("Company");
    EXPECT_GT(canvas.textWidth("Company name"), normal);
    canvas.setBold(true);
    EXPECT_GT(canvas.textWidth("Company"), normal);
    canvas.newPage(); // the weight outlives the page
    EXPECT_GT(canvas.textWidth("Company"), normal);
    canvas.setBold(false);
    EXPECT_EQ(canvas.textWidth("Company"), normal);
    EXPECT_EQ(pagesTurned, 1);
}

TEST(GdiPrintCanvas, DrawsTextInItsBoxAndThinBlackLinesWhereAskedAndNothingElse) {
    const Sheet sheet;
    HGDIOBJ font = GetCurrentObject(sheet.dc.get(), OBJ_FONT);
    HGDIOBJ pen = GetCurrentObject(sheet.dc.get(), OBJ_PEN);
    RECT title{};
    {
        GdiPrintCanvas canvas(sheet.dc.get(), [] {});
        canvas.setBold(true);
        const std::string heading = "Field protection \x96 Sales";
        canvas.drawText(50, 40, heading);
        title = {50, 40, 50 + canvas.textWidth(heading), 40 + canvas.lineHeight()};
        canvas.drawLine(50, 80, 1050, 80);
        canvas.drawLine(600, 200, 600, 800);
    }
    // The device context has its own font and pen back.
    EXPECT_EQ(GetCurrentObject(sheet.dc.get(), OBJ_FONT), font);
    EXPECT_EQ(GetCurrentObject(sheet.dc.get(), OBJ_PEN), pen);

    const ScreenImage page = sheet.image();
    const RECT rule{50, 80, 1050, 81};
    const RECT upright{600, 200, 601, 800};
    EXPECT_GT(ink(page, title), 0);
    // A line is one pixel wide, from its start up to its end.
    EXPECT_EQ(ink(page, rule), 1000);
    EXPECT_EQ(ink(page, upright), 600);
    EXPECT_EQ(page.pixels[80 * kWidth + 50] & kWhite, 0U);
    // Whatever ink lies outside the boxes went astray.
    EXPECT_EQ(ink(page, {0, 0, kWidth, kHeight}), ink(page, title) + ink(page, rule) + ink(page, upright));
}

TEST(GdiPrintCanvas, APrintedTableShowsItsTitleAndHeadersOnEveryPage) {
    PrintTable table{
        "Rights Report: Sales",
        {"User", "ID/Status (own lists)", "Sales Region", "Account Manager", "Credit Limit", "Customer Type"},
        {}};
    const std::vector<std::pair<std::string, std::string>> users{{"Dana Whitfield", "Full"}, {"Sam Ortega", "Full"},
                                                                 {"Alex Morgan", "None"},    {"Alex Morgan", "None"},
                                                                 {"Priya Raman", "None"},    {"Lee Brennan", "Full"}};
    for (int copy = 0; copy < 20; ++copy) {
        for (const auto& [name, level] : users) {
            table.rows.push_back({name, name == "Lee Brennan" ? "None" : level, level, level, level, level});
        }
    }
    Sheet sheet;
    std::vector<ScreenImage> pages;
    {
        GdiPrintCanvas canvas(sheet.dc.get(), [&] {
            pages.push_back(sheet.image());
            PatBlt(sheet.dc.get(), 0, 0, kWidth, kHeight, WHITENESS);
        });
        printTable(canvas, table);
        const int32_t line = canvas.lineHeight();
        pages.push_back(sheet.image());
        ASSERT_GE(pages.size(), 2U) << "120 rows of 9-point text take more than a page of 850 pixels";
        for (const ScreenImage& page : pages) {
            EXPECT_GT(ink(page, {0, 0, kWidth / 2, line}), 0) << "the title";
            EXPECT_GT(ink(page, {kWidth - 100, 0, kWidth, line}), 0) << "the page number";
            EXPECT_GT(ink(page, {0, 2 * line, kWidth, 3 * line}), 0) << "the headers";
            EXPECT_GT(ink(page, {0, 4 * line, 100, 5 * line}), 0) << "the first row's user";
        }
    }
    savePng(pages.front(), "RightsReport_printed");
}

TEST(Win32PrintService, WithoutAPrinterFailsWithNoPrinterAndPaintsNothing) {
    Win32Session session(testFacts());
    // Were a print dialog to open, the program's end would close it and the job would not fail.
    const Cue deadline = Cue::deadline(endOf(session));
    bool painted = false;
    try {
        session.printer.print({.documentName = "Field protection"}, [&](PrintCanvas&) { painted = true; });
        ADD_FAILURE() << "printed without a printer";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), vberr::NoPrinter);
    }
    EXPECT_FALSE(painted);
    EXPECT_FALSE(deadline.gaveUp());
}

} // namespace
} // namespace corvane::forms::win32::test

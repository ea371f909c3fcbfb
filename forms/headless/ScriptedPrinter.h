#pragma once

#include "forms/PrintService.h"
#include "forms/headless/ScriptedAnswers.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace corvane::forms::headless {

/// One line of text on a printed page.
struct PrintedText {
    int32_t x = 0;
    int32_t y = 0;
    std::string text;
    bool bold = false;
};

/// A straight line on a printed page.
struct PrintedLine {
    int32_t x1 = 0;
    int32_t y1 = 0;
    int32_t x2 = 0;
    int32_t y2 = 0;
};

struct PrintedPage {
    std::vector<PrintedText> texts;
    std::vector<PrintedLine> lines;
};

/// A page that keeps what is drawn on it: a letter-size sheet at 100 dots per inch with half-inch
/// margins, lines 12 dots high, and every character 6 dots wide (7 in bold).
class RecordingCanvas : public PrintCanvas {
public:
    explicit RecordingCanvas(PrinterOrientation orientation);

    int32_t pageWidth() const override { return width_; }
    int32_t pageHeight() const override { return height_; }
    int32_t lineHeight() const override { return 12; }
    int32_t textWidth(std::string_view text) const override;
    void setBold(bool bold) override { bold_ = bold; }
    void drawText(int32_t x, int32_t y, std::string_view text) override;
    void drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
    void newPage() override { pages_.emplace_back(); }

    const std::vector<PrintedPage>& pages() const { return pages_; }

private:
    int32_t width_;
    int32_t height_;
    bool bold_ = false;
    std::vector<PrintedPage> pages_{1};
};

/// Print dialogs answered from a queue: `answer("Printer")` prints on a `RecordingCanvas`,
/// `answer(std::nullopt)` cancels. `failNextJob(number)` makes the next job that prints fail with
/// that error once it is painted, as a printer that stops does. Every finished job is kept.
class ScriptedPrinter : public PrintService {
public:
    explicit ScriptedPrinter(FailureReporter& failures) : answers_(failures, "print dialog") {}

    void answer(std::optional<std::string> printer) { answers_.answer(std::move(printer)); }
    void failNextJob(int number) { failure_ = number; }
    const std::vector<PrintRequest>& requests() const { return answers_.requests(); }
    /// The pages of each job that printed, in order.
    const std::vector<std::vector<PrintedPage>>& jobs() const { return jobs_; }
    void verifyDone() { answers_.verifyDone(); }

    bool print(const PrintRequest& request, const std::function<void(PrintCanvas&)>& paint) override;

private:
    ScriptedAnswers<PrintRequest> answers_;
    std::optional<int> failure_;
    std::vector<std::vector<PrintedPage>> jobs_;
};

} // namespace corvane::forms::headless

#pragma once

#include "forms/PrintService.h"
#include "platform/qt/DialogHook.h"

#include <QFontMetrics>
#include <QPrintDialog>

#include <functional>
#include <vector>

class QPainter;
class QPaintDevice;

namespace corvane::forms::qt {

/// The pages of a print job, measured with the printer's fonts and kept until the whole document is
/// drawn: only then are they painted on the printer, so a document whose drawing fails never
/// starts a job. Coordinates are the printer's, from the printable area's top left.
class PainterCanvas : public PrintCanvas {
public:
    explicit PainterCanvas(QPaintDevice& printer);

    int32_t pageWidth() const override { return width_; }
    int32_t pageHeight() const override { return height_; }
    int32_t lineHeight() const override { return metrics().lineSpacing(); }
    int32_t textWidth(std::string_view text) const override;
    void setBold(bool bold) override;
    void drawText(int32_t x, int32_t y, std::string_view text) override;
    void drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
    void newPage() override { pages_.emplace_back(); }

    /// Paints the pages with `painter`, calling `newPage` between them.
    void paint(QPainter& painter, const std::function<void()>& newPage) const;

private:
    using Step = std::function<void(QPainter&)>;
    const QFontMetrics& metrics() const { return bold_ ? boldMetrics_ : normalMetrics_; }

    int32_t width_;
    int32_t height_;
    QFontMetrics normalMetrics_;
    QFontMetrics boldMetrics_;
    bool bold_ = false;
    std::vector<std::vector<Step>> pages_{1};
};

/// Qt's print dialog and printer. Where no printer is installed the dialog still offers printing to
/// a PDF file, so there is always something to print on.
class QtPrintService : public PrintService {
public:
    bool print(const PrintRequest& request, const std::function<void(PrintCanvas&)>& paint) override;

    /// Lets a test answer every dialog that shows.
    void onShown(DialogHook<QPrintDialog>::Hook hook) { hook_.set(std::move(hook)); }

private:
    DialogHook<QPrintDialog> hook_;
};

} // namespace corvane::forms::qt

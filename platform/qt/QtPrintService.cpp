#include "platform/qt/QtPrintService.h"

#include "common/RuntimeError.h"
#include "platform/qt/AnsiText.h"
#include "platform/qt/ParentWindow.h"

#include <QPainter>
#include <QPen>
#include <QPrinter>

namespace corvane::forms::qt {
namespace {

constexpr int kPointSize = 9;

QFont printFont(bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"), kPointSize);
    font.setBold(bold);
    return font;
}

} // namespace

PainterCanvas::PainterCanvas(QPaintDevice& printer)
    : width_(printer.width()), height_(printer.height()), normalMetrics_(printFont(false), &printer),
      boldMetrics_(printFont(true), &printer) {}

int32_t PainterCanvas::textWidth(std::string_view text) const {
    return metrics().horizontalAdvance(ansi::toQt(text));
}

void PainterCanvas::setBold(bool bold) {
    bold_ = bold;
    pages_.back().push_back([bold](QPainter& painter) { painter.setFont(printFont(bold)); });
}

void PainterCanvas::drawText(int32_t x, int32_t y, std::string_view text) {
    pages_.back().push_back([x, baseline = y + metrics().ascent(), text = ansi::toQt(text)](QPainter& painter) {
        painter.drawText(x, baseline, text);
    });
}

void PainterCanvas::drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    pages_.back().push_back([x1, y1, x2, y2](QPainter& painter) { painter.drawLine(x1, y1, x2, y2); });
}

void PainterCanvas::paint(QPainter& painter, const std::function<void()>& newPage) const {
    painter.setFont(printFont(false));
    painter.setPen(QPen(Qt::black, 0));
    for (size_t page = 0; page < pages_.size(); ++page) {
        if (page > 0) {
            newPage();
        }
        for (const Step& step : pages_[page]) {
            step(painter);
        }
    }
}

bool QtPrintService::print(const PrintRequest& request, const std::function<void(PrintCanvas&)>& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(ansi::toQt(request.documentName));
    printer.setPageOrientation(request.orientation == PrinterOrientation::Landscape ? QPageLayout::Landscape
                                                                                    : QPageLayout::Portrait);
    QPrintDialog dialog(&printer, parentWindow());
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (hook_.exec(dialog) != QDialog::Accepted) {
        return false;
    }
    PainterCanvas canvas(printer);
    paint(canvas);
    QPainter painter;
    if (!painter.begin(&printer)) {
        throw RuntimeError(vberr::PrinterError);
    }
    try {
        canvas.paint(painter, [&printer] {
            if (!printer.newPage()) {
                throw RuntimeError(vberr::PrinterError);
            }
        });
    } catch (...) {
        printer.abort();
        throw;
    }
    if (!painter.end()) {
        throw RuntimeError(vberr::PrinterError);
    }
    return true;
}

} // namespace corvane::forms::qt

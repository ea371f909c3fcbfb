#include "forms/headless/ScriptedPrinter.h"

#include "common/RuntimeError.h"

#include <algorithm>
#include <utility>

namespace corvane::forms::headless {
namespace {

constexpr int32_t kLetterLongSide = 1100;
constexpr int32_t kLetterShortSide = 850;
constexpr int32_t kMargins = 2 * 50;

} // namespace

RecordingCanvas::RecordingCanvas(PrinterOrientation orientation)
    : width_((orientation == PrinterOrientation::Landscape ? kLetterLongSide : kLetterShortSide) - kMargins),
      height_((orientation == PrinterOrientation::Landscape ? kLetterShortSide : kLetterLongSide) - kMargins) {}

int32_t RecordingCanvas::textWidth(std::string_view text) const {
    return static_cast<int32_t>(text.size()) * (bold_ ? 7 : 6);
}

void RecordingCanvas::drawText(int32_t x, int32_t y, std::string_view text) {
    pages_.back().texts.push_back({x, y, std::string(text), bold_});
}

void RecordingCanvas::drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    pages_.back().lines.push_back({x1, y1, x2, y2});
}

bool ScriptedPrinter::print(const PrintRequest& request, const std::function<void(PrintCanvas&)>& paint) {
    if (!answers_.take(request)) {
        return false;
    }
    RecordingCanvas canvas(request.orientation);
    paint(canvas);
    if (const std::optional<int> failure = std::exchange(failure_, std::nullopt)) {
        throw RuntimeError(*failure);
    }
    jobs_.push_back(canvas.pages());
    return true;
}

} // namespace corvane::forms::headless

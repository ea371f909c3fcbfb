#include "platform/qt/LineView.h"

#include <QPainter>

#include <algorithm>
#include <utility>

namespace corvane::forms::qt {

namespace {
/// Paints the line from its model, in its own coordinates (the bounding box's top-left is 0, 0).
class LineWidget : public QWidget {
public:
    LineWidget(QWidget* parent, const Line& line, const PixelScale& scale)
        : QWidget(parent), line_(line), scale_(scale) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        int left = scale_.x(std::min(line_.X1(), line_.X2()));
        int top = scale_.y(std::min(line_.Y1(), line_.Y2()));
        QLine line(scale_.x(line_.X1()) - left, scale_.y(line_.Y1()) - top, scale_.x(line_.X2()) - left,
                   scale_.y(line_.Y2()) - top);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawLine(line);
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(line.translated(line.dy() == 0 ? QPoint(0, 1) : QPoint(1, 0)));
    }

private:
    const Line& line_;
    const PixelScale& scale_;
};
} // namespace

LineView::LineView(Line& line, QWidget* parent, const ViewContext& context)
    : ControlView(line, new LineWidget(parent, line, context.scale), context), line_(line) {}

QRect LineView::geometry() const {
    // One pixel more each way for the highlight beside the line.
    QPoint from(scale().x(line_.X1()), scale().y(line_.Y1()));
    QPoint to(scale().x(line_.X2()), scale().y(line_.Y2()));
    return QRect(from, to).normalized().adjusted(0, 0, 1, 1);
}

} // namespace corvane::forms::qt

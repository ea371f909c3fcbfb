#include "platform/qt/LabelView.h"

#include "platform/qt/AnsiText.h"
#include "platform/qt/ClassicFont.h"

#include <QEvent>
#include <QMouseEvent>

namespace corvane::forms::qt {

LabelView::LabelView(Label& label, QWidget* parent, const ViewContext& context)
    : ControlView(label, new CaptionLabel(parent), context), label_(label),
      widget_(static_cast<CaptionLabel*>(widget())) {}

void LabelView::syncContent() {
    widget_->setCaption(ansi::toQt(label_.Caption()));
    QFont font = ClassicFont::ofSize(label_.FontSize());
    font.setBold(label_.FontBold());
    font.setUnderline(label_.FontUnderline());
    widget_->setFont(font);
    if (label_.FontUnderline()) {
        widget_->setCursor(Qt::PointingHandCursor);
    } else {
        widget_->unsetCursor();
    }
}

bool LabelView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
        widget_->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
        user([this] { label_.userClick(); });
        return true;
    }
    return ControlView::eventFilter(watched, event);
}

} // namespace corvane::forms::qt

#include "platform/qt/WrappingButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace corvane::forms::qt {

namespace {
constexpr int kTextMargin = 2;
constexpr int kArrowSize = 9;
} // namespace

void WrappingButton::setArrow(bool arrow) {
    if (arrow != arrow_) {
        arrow_ = arrow;
        update();
    }
}

void WrappingButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    QRect inside = rect().adjusted(kTextMargin, kTextMargin, -kTextMargin, -kTextMargin);
    if (isDown()) {
        inside.translate(1, 1);
    }
    if (arrow_) {
        QStyleOption arrow = option;
        arrow.rect = QRect(0, 0, kArrowSize, kArrowSize);
        arrow.rect.moveCenter(inside.center());
        painter.drawPrimitive(QStyle::PE_IndicatorArrowDown, arrow);
        return;
    }
    constexpr int flags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    painter.drawItemText(inside, flags, palette(), isEnabled(), text(), QPalette::ButtonText);
}

} // namespace corvane::forms::qt

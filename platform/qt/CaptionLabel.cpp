#include "platform/qt/CaptionLabel.h"

#include <QPainter>
#include <QStyle>

namespace corvane::forms::qt {

void CaptionLabel::setCaption(const QString& caption) {
    if (caption != caption_) {
        caption_ = caption;
        update();
    }
}

void CaptionLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    constexpr int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;
    style()->drawItemText(&painter, rect(), flags, palette(), isEnabled(), caption_, QPalette::WindowText);
}

} // namespace corvane::forms::qt

#pragma once

#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <functional>
#include <type_traits>
#include <utility>

namespace corvane::forms::qt {

/// A classic check box or option button. It does not change its own state when the user clicks it:
/// the click goes to the model, and the view shows whatever state the model then has. Its caption
/// wraps at word boundaries when the control is too narrow for one line, beside a centred mark.
template <class Button> class ModelToggle : public Button {
public:
    ModelToggle(QWidget* parent, std::function<void()> clicked) : Button(parent), clicked_(std::move(clicked)) {}

protected:
    void nextCheckState() override { clicked_(); }
    // The whole control takes the click, also the second line of a wrapped caption.
    bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }

    void paintEvent(QPaintEvent*) override {
        constexpr bool radio = std::is_base_of_v<QRadioButton, Button>;
        constexpr int kGap = 3;
        QStylePainter painter(this);
        QStyleOptionButton option;
        this->initStyleOption(&option);
        QStyleOptionButton mark = option;
        mark.rect = this->style()->subElementRect(
            radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option, this);
        mark.rect.moveTop((this->height() - mark.rect.height()) / 2);
        painter.drawPrimitive(radio ? QStyle::PE_IndicatorRadioButton : QStyle::PE_IndicatorCheckBox, mark);

        QRect caption = this->rect().adjusted(mark.rect.right() + 1 + kGap, 0, 0, 0);
        constexpr int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
        painter.drawItemText(caption, flags, this->palette(), this->isEnabled(), this->text(), QPalette::WindowText);
        if (this->hasFocus() && !this->text().isEmpty()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = painter.boundingRect(caption, flags, this->text()).adjusted(-1, 0, 1, 0) & this->rect();
            painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
    }

private:
    std::function<void()> clicked_;
};

} // namespace corvane::forms::qt

#pragma once

#include <QPushButton>

namespace corvane::forms::qt {

/// A classic command button: a caption too wide for the button wraps onto more lines, centred; "&"
/// marks the access key. A picture button shows a small down arrow instead of a caption.
class WrappingButton : public QPushButton {
public:
    explicit WrappingButton(QWidget* parent) : QPushButton(parent) {}

    void setArrow(bool arrow);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool arrow_ = false;
};

} // namespace corvane::forms::qt

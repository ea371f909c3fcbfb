#pragma once

#include <QString>
#include <QWidget>

namespace corvane::forms::qt {

/// A classic label: its caption wraps at word boundaries inside the label's rectangle, "&" marks an
/// access key (underlined; "&&" is a plain "&"), and what does not fit is cut at the bottom.
class CaptionLabel : public QWidget {
public:
    explicit CaptionLabel(QWidget* parent) : QWidget(parent) {}

    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
};

} // namespace corvane::forms::qt

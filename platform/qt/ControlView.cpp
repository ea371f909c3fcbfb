#include "platform/qt/ControlView.h"

#include "forms/Form.h"
#include "platform/qt/AnsiText.h"

#include <QEvent>
#include <QKeyEvent>

namespace corvane::forms::qt {

namespace {
constexpr int16_t kBackspace = 8;
constexpr int16_t kEnter = 13;
constexpr int16_t kEscape = 27;
constexpr int16_t kFirstPrintable = 32;
} // namespace

ControlView::ControlView(Control& control, QWidget* widget, const ViewContext& context)
    : control_(control), widget_(widget), context_(context) {
    widget_->setObjectName(QString::fromStdString(control.Name()));
    widget_->installEventFilter(this);
}

ControlView::~ControlView() {
    widget_->removeEventFilter(this);
}

QRect ControlView::geometry() const {
    return scale().rect(control_.Left(), control_.Top(), control_.Width(), control_.Height());
}

void ControlView::sync() {
    // A model event fired while the widget shows the model may sync this view again, inside.
    bool outer = !syncing_;
    syncing_ = true;
    widget_->setGeometry(geometry());
    widget_->setEnabled(control_.Enabled());
    syncContent();
    widget_->setVisible(control_.Visible());
    if (outer) {
        syncing_ = false;
    }
}

std::optional<int16_t> ControlView::characterCode(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return kEnter;
    case Qt::Key_Escape:
        return kEscape;
    case Qt::Key_Backspace:
        return kBackspace;
    default:
        break;
    }
    bool shortcut = (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
    QString text = event.text();
    if (shortcut || text.isEmpty() || text.at(0).unicode() < kFirstPrintable) {
        return std::nullopt;
    }
    return static_cast<int16_t>(ansi::byteOf(text.at(0)));
}

std::optional<int32_t> ControlView::virtualKey(const QKeyEvent& event) {
    int key = event.key();
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Backspace:
        return 8;
    default:
        break;
    }
    // Qt numbers letters, digits and the space bar as their virtual keys do.
    bool letterOrDigit = (key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9);
    return letterOrDigit || key == Qt::Key_Space ? std::optional<int32_t>(key) : std::nullopt;
}

bool ControlView::keyPressed(const QKeyEvent& event) {
    if (auto key = virtualKey(event); key && context_.keyTap) {
        context_.keyTap(*key);
    }
    auto code = characterCode(event);
    bool toForm = code && (*code == kEnter || *code == kEscape);
    bool toControl = code && takesCharacters();
    if (!toForm && !toControl) {
        return false;
    }
    user([&] {
        Form& form = control_.form();
        form.userFocus(control_);
        form.userKeyPress(*code);
    });
    return true;
}

bool ControlView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        user([this] { control_.form().userFocus(control_); });
    } else if (event->type() == QEvent::KeyPress) {
        return keyPressed(static_cast<const QKeyEvent&>(*event));
    }
    return QObject::eventFilter(watched, event);
}

} // namespace corvane::forms::qt

#include "platform/qt/FrameView.h"

#include "platform/qt/AnsiText.h"

namespace corvane::forms::qt {

void FrameView::syncContent() {
    static_cast<QGroupBox*>(widget())->setTitle(ansi::toQt(frame_.Caption()));
}

} // namespace corvane::forms::qt

#pragma once

#include "forms/Form.h"

#include <QSize>

namespace corvane::forms::qt {

/// The parts of a window outside its client area, in pixels: a form's Width and Height include them,
/// as they do on Windows, so the client area the controls sit in is smaller. The caption bar is that
/// of the Windows the forms were laid out on (25 pixels): `Form1`'s collapsed height of 3650 twips
/// then ends its client area exactly above the field panel.
struct NonClientMetrics {
    static constexpr int kDialogFrame = 3;
    static constexpr int kSizingFrame = 4;
    static constexpr int kCaption = 25;
    static constexpr int kMenuBar = 20;

    static int frame(BorderStyle style) {
        switch (style) {
        case BorderStyle::None:
            return 0;
        case BorderStyle::Sizable:
            return kSizingFrame;
        case BorderStyle::FixedSingle:
        case BorderStyle::FixedDialog:
            return kDialogFrame;
        }
        return 0;
    }

    /// The client size of a window of `outer` pixels, never negative.
    static QSize clientSize(QSize outer, BorderStyle style, bool hasMenuBar) {
        int frameWidth = frame(style);
        int caption = style == BorderStyle::None ? 0 : kCaption;
        int menu = hasMenuBar ? kMenuBar : 0;
        return QSize(outer.width() - 2 * frameWidth, outer.height() - 2 * frameWidth - caption - menu)
            .expandedTo(QSize(0, 0));
    }
};

} // namespace corvane::forms::qt

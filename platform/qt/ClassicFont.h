#pragma once

#include <QFont>

namespace corvane::forms::qt {

/// The face of classic dialogs: an 8-point sans-serif. DejaVu Sans Condensed 8 pt has the 13-pixel line
/// of the classic 8.25-point face and nearly its widths, so captions fit their design rectangles
/// (plain DejaVu Sans is a tenth wider; fontconfig falls back to it when the condensed face is
/// missing). Other sizes scale with it.
struct ClassicFont {
    static constexpr double kDesignPoints = 8.25;
    static constexpr double kShownPoints = 8.0;

    static QFont ofSize(double designPoints) {
        QFont font(QStringLiteral("DejaVu Sans Condensed"));
        font.setPointSizeF(designPoints * kShownPoints / kDesignPoints);
        return font;
    }
    static QFont standard() { return ofSize(kDesignPoints); }
};

} // namespace corvane::forms::qt

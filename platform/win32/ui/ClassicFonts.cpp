#include "platform/win32/ui/ClassicFonts.h"

#include <cmath>
#include <cstring>
#include <tuple>

namespace corvane::forms::win32 {

HFONT ClassicFonts::font(double points, bool bold, bool underline) {
    const auto key = std::make_tuple(points, bold, underline);
    auto found = fonts_.find(key);
    if (found == fonts_.end()) {
        LOGFONTA face{};
        // The character height in pixels: 8.25 points are 11 pixels at 96 dpi.
        face.lfHeight = -static_cast<LONG>(std::lround(points * dotsPerInchY_ / 72.0));
        face.lfWeight = bold ? FW_BOLD : FW_NORMAL;
        face.lfUnderline = underline ? TRUE : FALSE;
        face.lfCharSet = DEFAULT_CHARSET;
        face.lfQuality = DEFAULT_QUALITY;
        std::strncpy(face.lfFaceName, "MS Sans Serif", LF_FACESIZE - 1);
        found = fonts_.emplace(key, GdiObject<HFONT>(CreateFontIndirectA(&face))).first;
    }
    return found->second.get();
}

} // namespace corvane::forms::win32

#pragma once

#include "platform/win32/ui/Handles.h"
#include "platform/win32/ui/WinApi.h"

#include <map>
#include <tuple>

namespace corvane::forms::win32 {

/// The faces of classic forms: "MS Sans Serif" at 8.25 points unless a control asks for another size,
/// bold or underlined; the designs' captions fit their rectangles in it. Each distinct font is made once and lives as
/// long as the cache.
class ClassicFonts {
public:
    static constexpr double kDesignPoints = 8.25;

    explicit ClassicFonts(int dotsPerInchY) : dotsPerInchY_(dotsPerInchY) {}
    ClassicFonts(const ClassicFonts&) = delete;
    ClassicFonts& operator=(const ClassicFonts&) = delete;

    HFONT standard() { return font(kDesignPoints, false, false); }
    HFONT font(double points, bool bold, bool underline);

private:
    int dotsPerInchY_;
    std::map<std::tuple<double, bool, bool>, GdiObject<HFONT>> fonts_;
};

} // namespace corvane::forms::win32

#include "platform/qt/QtScreen.h"

#include "platform/qt/NonClientMetrics.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace corvane::forms::qt {

namespace {
constexpr double kTwipsPerInch = 1440.0;
constexpr int32_t kDefaultTwipsPerPixel = 15;

int32_t twipsPerPixel(double dotsPerInch) {
    return dotsPerInch > 0 ? static_cast<int32_t>(std::lround(kTwipsPerInch / dotsPerInch)) : kDefaultTwipsPerPixel;
}

QScreen* primary() {
    return QGuiApplication::primaryScreen();
}
} // namespace

int32_t QtScreen::Width() {
    QScreen* screen = primary();
    return screen != nullptr ? screen->geometry().width() * TwipsPerPixelX() : 0;
}

int32_t QtScreen::Height() {
    QScreen* screen = primary();
    return screen != nullptr ? screen->geometry().height() * TwipsPerPixelY() : 0;
}

int32_t QtScreen::TwipsPerPixelX() {
    QScreen* screen = primary();
    return screen != nullptr ? twipsPerPixel(screen->logicalDotsPerInchX()) : kDefaultTwipsPerPixel;
}

int32_t QtScreen::TwipsPerPixelY() {
    QScreen* screen = primary();
    return screen != nullptr ? twipsPerPixel(screen->logicalDotsPerInchY()) : kDefaultTwipsPerPixel;
}

int32_t QtScreen::GetSystemMetrics(int32_t index) {
    return index == SM_CXDLGFRAME || index == SM_CYDLGFRAME ? NonClientMetrics::kDialogFrame : 0;
}

} // namespace corvane::forms::qt

#include "demo/TourLog.h"

#include "common/Paths.h"

namespace corvane::demo {

TourLog::TourLog(std::string screenshotFolder) : folder_(std::move(screenshotFolder)) {}

void TourLog::screenshot(const QImage& image, const std::string& name) {
    const std::string file = joinPath(folder_, nextShotName(name) + ".png");
    check(!image.isNull() && image.save(QString::fromStdString(file)), "screenshot " + file);
}

} // namespace corvane::demo

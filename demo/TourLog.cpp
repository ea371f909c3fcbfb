#include "demo/TourLog.h"

#include "common/Paths.h"

#include <cstdio>

namespace corvane::demo {

TourLog::TourLog(std::string screenshotFolder) : folder_(std::move(screenshotFolder)) {}

void TourLog::step(const std::string& what) {
    std::printf("\nStep %d: %s\n", ++step_, what.c_str());
    std::fflush(stdout);
}

bool TourLog::check(bool ok, const std::string& what) {
    std::printf("  [%s] %s\n", ok ? "ok" : "FAILED", what.c_str());
    std::fflush(stdout);
    if (!ok) {
        ++failures_;
    }
    return ok;
}

void TourLog::screenshot(const QImage& image, const std::string& name) {
    const std::string number = std::to_string(++shot_);
    const std::string file =
        joinPath(folder_, std::string(number.size() < 2 ? "0" : "") + number + "-" + name + ".png");
    check(!image.isNull() && image.save(QString::fromStdString(file)), "screenshot " + file);
}

} // namespace corvane::demo

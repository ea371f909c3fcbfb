#include "admin/LocalTimeText.h"

#include <cstdint>
#include <cstdio>
#include <ctime>

namespace corvane::admin {
namespace {

using namespace std::chrono;

// How far local time is ahead of UTC at that moment; 0 when the system cannot tell.
seconds offsetAt(sys_seconds time) {
    const std::time_t moment = system_clock::to_time_t(time);
    // The administration tool converts on its one UI thread, so the shared result is safe here.
    const std::tm* local = std::localtime(&moment);
    if (local == nullptr) {
        return seconds{0};
    }
    const sys_days day{year{local->tm_year + 1900} / month{static_cast<unsigned>(local->tm_mon + 1)} /
                       ::std::chrono::day{static_cast<unsigned>(local->tm_mday)}};
    return day + hours{local->tm_hour} + minutes{local->tm_min} + seconds{local->tm_sec} - time;
}

} // namespace

std::string LocalTimeText::operator()(sys_seconds time) {
    const sys_seconds quarter = floor<duration<int64_t, std::ratio<900>>>(time);
    if (quarter != quarter_) {
        quarter_ = quarter;
        offset_ = offsetAt(quarter);
    }
    const sys_seconds local = time + offset_;
    const sys_days date = floor<days>(local);
    const year_month_day ymd{date};
    const hh_mm_ss clock{local - date};
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u %02d:%02d:%02d", static_cast<int>(ymd.year()),
                  static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()),
                  static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()),
                  static_cast<int>(clock.seconds().count()));
    return text;
}

} // namespace corvane::admin

#include "admin/LocalTimeText.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace corvane::admin {
namespace {

using namespace std::chrono;

std::string systemText(sys_seconds time) {
    const std::time_t moment = system_clock::to_time_t(time);
    char text[32] = {};
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", std::localtime(&moment));
    return text;
}

// Every 7 minutes and 13 seconds through the hours around a moment, as the system converts them.
void expectAgreementAround(sys_seconds moment) {
    LocalTimeText text;
    for (sys_seconds time = moment - 6h; time < moment + 6h; time += 7min + 13s) {
        ASSERT_EQ(text(time), systemText(time)) << "at " << time.time_since_epoch().count();
    }
}

TEST(LocalTimeText, AgreesWithTheSystemInThisMachinesZone) {
    expectAgreementAround(sys_days{2026y / March / 29} + 1h);
    expectAgreementAround(sys_days{2026y / October / 25} + 1h);
}

#ifndef _WIN32
/// The process's time zone for one test.
class ScopedZone {
public:
    explicit ScopedZone(const char* zone) {
        if (const char* old = std::getenv("TZ")) {
            old_ = old;
        }
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ScopedZone() {
        if (old_) {
            setenv("TZ", old_->c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }
    ScopedZone(const ScopedZone&) = delete;
    ScopedZone& operator=(const ScopedZone&) = delete;

private:
    std::optional<std::string> old_;
};

// Berlin moves by an hour on the hour; Lord Howe Island by half an hour, at half past a UTC hour.
TEST(LocalTimeText, FollowsZonesThatChangeTheirOffset) {
    {
        const ScopedZone zone("Europe/Berlin");
        expectAgreementAround(sys_days{2026y / March / 29} + 1h);
        EXPECT_EQ(LocalTimeText{}(sys_days{2026y / March / 29} + 1h), "2026-03-29 03:00:00");
    }
    {
        const ScopedZone zone("Australia/Lord_Howe");
        expectAgreementAround(sys_days{2026y / October / 3} + 15h + 30min);
        EXPECT_EQ(LocalTimeText{}(sys_days{2026y / October / 3} + 15h + 30min), "2026-10-04 02:30:00");
    }
}
#endif

} // namespace
} // namespace corvane::admin

#pragma once

#include "forms/App.h"

#include <cstdint>
#include <string>
#include <utility>

namespace corvane::forms::headless {

/// Facts of a program run headless.
struct AppFacts {
    std::string path = "/opt/corvane";
    std::string exeName = "Corvane";
    std::string title = "Corvane";
    int16_t major = 1;
    int16_t minor = 0;
    int16_t revision = 4;
    bool prevInstance = false;
};

/// The program's facts as a test sets them.
class HeadlessApp : public App {
public:
    explicit HeadlessApp(AppFacts facts) : facts_(std::move(facts)) {}

    AppFacts& facts() { return facts_; }

    std::string Path() override { return facts_.path; }
    std::string EXEName() override { return facts_.exeName; }
    std::string Title() override { return facts_.title; }
    int16_t Major() override { return facts_.major; }
    int16_t Minor() override { return facts_.minor; }
    int16_t Revision() override { return facts_.revision; }
    bool PrevInstance() override { return facts_.prevInstance; }

private:
    AppFacts facts_;
};

} // namespace corvane::forms::headless

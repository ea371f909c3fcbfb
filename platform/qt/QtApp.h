#pragma once

#include "forms/App.h"

#include <cstdint>
#include <string>
#include <utility>

namespace corvane::forms::qt {

/// The running program: its folder and file name from the process, title and version as stated, and
/// whether another copy of it runs for the same user (`InstanceLock`, taken when this is made).
class QtApp : public App {
public:
    QtApp(ProgramFacts facts, bool prevInstance) : facts_(std::move(facts)), prevInstance_(prevInstance) {}

    std::string Path() override;
    std::string EXEName() override { return processName(); }
    std::string Title() override { return facts_.title; }
    int16_t Major() override { return facts_.major; }
    int16_t Minor() override { return facts_.minor; }
    int16_t Revision() override { return facts_.revision; }
    bool PrevInstance() override { return prevInstance_; }

    /// The running program's file name without extension.
    static std::string processName();

private:
    ProgramFacts facts_;
    bool prevInstance_;
};

} // namespace corvane::forms::qt

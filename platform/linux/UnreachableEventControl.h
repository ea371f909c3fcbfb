#pragma once

#include "common/act/Act.h"

namespace corvane::platform::linux_desktop {

/// The event control of a program that finds no running ACT!: ACT! cannot be reached and has no
/// database open, and no event ever arrives.
class UnreachableEventControl : public act::EventControl {
public:
    int32_t Operation1(int32_t /*value*/) override { return 0; }
    void Operation2() override {}
    bool Operation3() override { return false; }
    void SetEventSink(act::EventSink* /*sink*/) override {}
    void PumpEvents() override {}
};

} // namespace corvane::platform::linux_desktop

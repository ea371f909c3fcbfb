#pragma once

#include "common/act/Act.h"

namespace corvane::act {

/// The event control of a program that cannot reach ACT!: no event ever arrives. `databaseOpen` is
/// what it says of ACT!'s database: false when no ACT! runs (the programs ask to open a database),
/// true when ACT! may run but its components cannot be reached (they ask to register them).
class UnreachableEventControl : public EventControl {
public:
    explicit UnreachableEventControl(bool databaseOpen) : databaseOpen_(databaseOpen) {}

    int32_t Operation1(int32_t /*value*/) override { return 0; }
    void Operation2() override {}
    bool Operation3() override { return databaseOpen_; }
    void SetEventSink(EventSink* /*sink*/) override {}
    void PumpEvents() override {}

private:
    bool databaseOpen_;
};

} // namespace corvane::act

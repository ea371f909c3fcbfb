#pragma once

#include "common/act/Act.h"

#include <memory>

namespace corvane::sim {

class Engine;
struct ActEventRecord;

/// The simulated ACT!'s event control. It reads the events raised after its creation from the
/// engine's database, so events raised by another process that shares the file arrive too, at the
/// next `PumpEvents`. After `Operation2` it delivers nothing more.
class SimEventControl : public act::EventControl {
public:
    explicit SimEventControl(Engine& engine);

    /// 1 while ACT! runs with a database open, otherwise 0.
    int32_t Operation1(int32_t value) override;
    void Operation2() override { linked_ = false; }
    bool Operation3() override;
    void SetEventSink(act::EventSink* sink) override { sink_ = sink; }
    /// Events that arrive while no sink is set are dropped, as a form without handlers would.
    void PumpEvents() override;

private:
    void deliver(const ActEventRecord& event);

    Engine& engine_;                 // outlives every ACT! object
    act::EventSink* sink_ = nullptr; // not owned
    int64_t lastSeen_;
    bool linked_ = true;
    // A sink may destroy this control while handling an event (its form unloads); the token tells
    // the delivery loop to stop touching it.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

} // namespace corvane::sim

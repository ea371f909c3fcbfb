#pragma once

#include "common/act/Act.h"
#include "platform/win32/com/ComPtr.h"
#include "platform/win32/com/DispatchObject.h"

#include <deque>
#include <memory>
#include <optional>

namespace corvane::win32::com {

class ControlSite;
class EventReceiver;

/// ACT!'s event control hosted as an ActiveX control: created in-process from its class, given a
/// client site, its operations called by dispatch number 1, 2 and 3, and its events received through
/// its default source interface (found from its type information). Events arrive when the control
/// raises them and wait in a queue until `PumpEvents`, which the program's message loops call, hands
/// them to the form one at a time. Operation 2 ends the link: the connection is undone and no event
/// arrives after it. The control goes when this object does.
class ComEventControl : public act::EventControl {
public:
    /// Creates the control of that class; fails with 429 when it cannot be created or sited.
    explicit ComEventControl(const CLSID& classId);
    ~ComEventControl() override;
    ComEventControl(const ComEventControl&) = delete;
    ComEventControl& operator=(const ComEventControl&) = delete;

    int32_t Operation1(int32_t value) override;
    void Operation2() override;
    bool Operation3() override;
    void SetEventSink(act::EventSink* sink) override { sink_ = sink; }
    void PumpEvents() override;

    /// What the receiver queues: an event by its name in the source interface, with its first argument.
    struct Event {
        std::wstring name;
        int32_t argument = 0;
    };
    void queue(Event event) { events_.push_back(std::move(event)); }

private:
    void connect();
    void disconnect();

    ComPtr<IOleObject> control_;
    std::optional<DispatchObject> operations_;
    ComPtr<ControlSite> site_;
    ComPtr<EventReceiver> receiver_;
    ComPtr<IConnectionPoint> connection_;
    DWORD cookie_ = 0;
    act::EventSink* sink_ = nullptr;
    std::deque<Event> events_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

} // namespace corvane::win32::com

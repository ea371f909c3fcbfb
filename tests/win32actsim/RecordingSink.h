#pragma once

#include "common/act/Act.h"

#include <string>
#include <vector>

namespace corvane::test {

/// An event sink that notes every event, with its argument.
class RecordingSink : public act::EventSink {
public:
    void OnActUserWantsToClose(int32_t reason) override {
        events.push_back("OnActUserWantsToClose(" + std::to_string(reason) + ")");
    }
    void OnDatabaseClose() override { events.push_back("OnDatabaseClose"); }

    std::vector<std::string> events;
};

} // namespace corvane::test

#pragma once

#include "forms/KeySender.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace corvane::forms::headless {

/// Records sent keystrokes; `onSend` lets a test make the foreground window react to them.
class RecordingKeySender : public KeySender {
public:
    struct Sent {
        std::string keys;
        bool wait = false;
    };

    const std::vector<Sent>& sent() const { return sent_; }
    std::function<void(const std::string& keys)> onSend;

    void SendKeys(std::string_view keys, bool wait) override {
        sent_.push_back({std::string(keys), wait});
        if (onSend) {
            onSend(sent_.back().keys);
        }
    }

private:
    std::vector<Sent> sent_;
};

} // namespace corvane::forms::headless

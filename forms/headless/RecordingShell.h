#pragma once

#include "forms/ShellService.h"

#include <vector>

namespace corvane::forms::headless {

/// Records shell requests instead of running them.
class RecordingShell : public ShellService {
public:
    const std::vector<ShellRequest>& requests() const { return requests_; }
    /// What every request returns (default: success).
    void setResult(int32_t result) { result_ = result; }

    int32_t ShellExecuteA(const ShellRequest& request) override {
        requests_.push_back(request);
        return result_;
    }

private:
    std::vector<ShellRequest> requests_;
    int32_t result_ = 42;
};

} // namespace corvane::forms::headless

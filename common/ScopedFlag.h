#pragma once

namespace corvane {

/// Sets a flag for the length of a scope: true from here, false again however the scope ends (also
/// by a failure), so that no flag outlives the work it marks.
class ScopedFlag {
public:
    explicit ScopedFlag(bool& flag) noexcept : flag_(flag) { flag_ = true; }
    ~ScopedFlag() { flag_ = false; }
    ScopedFlag(const ScopedFlag&) = delete;
    ScopedFlag& operator=(const ScopedFlag&) = delete;

private:
    bool& flag_;
};

} // namespace corvane

#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace corvane::test {

/// What writers of a file left beside it: temporaries and the companion file of the write lock.
struct Leftovers {
    int temporaries = 0;
    uintmax_t temporaryBytes = 0;
    int locks = 0;
};

/// The leftovers of `target`'s writers now.
Leftovers leftoversOf(const std::string& target);

/// Dates every leftover of `target`'s writers back by `by` (utimensat), as if it had been left that
/// long ago; the clean-up rule then applies without waiting.
void ageLeftoversOf(const std::string& target, std::chrono::minutes by);

} // namespace corvane::test

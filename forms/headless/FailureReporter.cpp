#include "forms/headless/FailureReporter.h"

#include <iostream>

namespace corvane::forms::headless {

void FailureReporter::fail(const std::string& message) {
    failures_.push_back(message);
    if (handler_) {
        handler_(message);
    } else {
        std::cerr << "headless: " << message << '\n';
    }
}

} // namespace corvane::forms::headless

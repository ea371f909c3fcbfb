#pragma once

#include "common/act/Act.h"

#include <cstdint>
#include <memory>

namespace corvane::trigger {

/// The ACT! objects the trigger holds for one run, from start-up until it ends.
struct ActHost {
    std::shared_ptr<act::Application> objApp;
    std::shared_ptr<act::Views> objViews;
    /// The view that was active at start-up.
    std::shared_ptr<act::View> objActiveView;
    /// Its type; each new contact view is made with it.
    int16_t iViewType = 0;
    /// The contact view; made again on each Enter.
    std::shared_ptr<act::View> objCV;
};

} // namespace corvane::trigger

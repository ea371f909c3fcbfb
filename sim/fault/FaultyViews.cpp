#include "sim/fault/FaultyViews.h"

#include "sim/fault/FaultyView.h"

namespace corvane::sim {

std::shared_ptr<act::View> FaultyViews::GetActive() {
    auto view =
        injector_.intercept<std::shared_ptr<act::View>>("Views.GetActive", {}, [&] { return inner_->GetActive(); });
    return std::make_shared<FaultyView>(std::move(view), injector_);
}

std::shared_ptr<act::View> FaultyViews::Create(int16_t viewType, const std::string& name) {
    auto view = injector_.intercept<std::shared_ptr<act::View>>("Views.Create", {std::to_string(viewType), name},
                                                                [&] { return inner_->Create(viewType, name); });
    return std::make_shared<FaultyView>(std::move(view), injector_);
}

} // namespace corvane::sim

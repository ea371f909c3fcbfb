#include "sim/fault/FaultyApplication.h"

#include "sim/fault/FaultyViews.h"

namespace corvane::sim {

void FaultyApplication::OpenFile(const std::string& name) {
    injector_.intercept<void>("Application.OpenFile", {name}, [&] { inner_->OpenFile(name); });
}

std::shared_ptr<act::Views> FaultyApplication::Views() {
    auto views =
        injector_.intercept<std::shared_ptr<act::Views>>("Application.Views", {}, [&] { return inner_->Views(); });
    return std::make_shared<FaultyViews>(std::move(views), injector_);
}

void FaultyApplication::Command(int16_t command) {
    injector_.intercept<void>("Application.Command", {std::to_string(command)}, [&] { inner_->Command(command); });
}

std::string FaultyApplication::GetUserID() {
    return injector_.intercept<std::string>("Application.GetUserID", {}, [&] { return inner_->GetUserID(); });
}

std::string FaultyApplication::GetOpenDBName() {
    return injector_.intercept<std::string>("Application.GetOpenDBName", {}, [&] { return inner_->GetOpenDBName(); });
}

} // namespace corvane::sim

#include "sim/fault/FaultyUsers.h"

namespace corvane::sim {

int32_t FaultyUsers::Count() {
    return injector_.intercept<int32_t>("Users.Count", {}, [&] { return inner_->Count(); });
}

std::string FaultyUsers::Name(int16_t position) {
    return injector_.intercept<std::string>("Users.Name", {std::to_string(position)},
                                            [&] { return inner_->Name(position); });
}

std::string FaultyUsers::UniqueID(const std::string& positionText) {
    return injector_.intercept<std::string>("Users.UniqueID", {positionText},
                                            [&] { return inner_->UniqueID(positionText); });
}

int32_t FaultyUsers::CurrentUserSecurity() {
    return injector_.intercept<int32_t>("Users.CurrentUserSecurity", {}, [&] { return inner_->CurrentUserSecurity(); });
}

} // namespace corvane::sim

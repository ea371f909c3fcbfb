#include "sim/act/SimUsers.h"

#include "sim/act/ActChecks.h"
#include "sim/act/DecimalText.h"
#include "sim/engine/Engine.h"

namespace corvane::sim {

int32_t SimUsers::Count() {
    requireDatabaseOpen(engine_);
    return engine_.users().count();
}

std::string SimUsers::Name(int16_t position) {
    return userAt(position).name;
}

std::string SimUsers::UniqueID(const std::string& positionText) {
    return userAt(decimalTextToInt16(positionText)).uniqueId;
}

int32_t SimUsers::CurrentUserSecurity() {
    requireDatabaseOpen(engine_);
    const auto position = engine_.state().loggedInUser();
    const auto user = position ? engine_.users().at(*position) : std::nullopt;
    if (!user) {
        throw RuntimeError(vberr::AutomationError, "No user is logged in");
    }
    return user->security;
}

UserRecord SimUsers::userAt(int16_t position) {
    requireDatabaseOpen(engine_);
    auto user = engine_.users().at(position);
    if (!user) {
        throw RuntimeError(vberr::SubscriptOutOfRange);
    }
    return *user;
}

} // namespace corvane::sim

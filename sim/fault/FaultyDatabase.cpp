#include "sim/fault/FaultyDatabase.h"

#include "sim/fault/FaultyContactTable.h"
#include "sim/fault/FaultyUsers.h"

namespace corvane::sim {

void FaultyDatabase::OpenEx(const std::string& name) {
    injector_.intercept<void>("Database.OpenEx", {name}, [&] { inner_->OpenEx(name); });
}

std::shared_ptr<act::ContactTable> FaultyDatabase::Contact() {
    auto table = injector_.intercept<std::shared_ptr<act::ContactTable>>("Database.Contact", {},
                                                                         [&] { return inner_->Contact(); });
    return std::make_shared<FaultyContactTable>(std::move(table), injector_);
}

std::shared_ptr<act::Users> FaultyDatabase::Users() {
    auto users =
        injector_.intercept<std::shared_ptr<act::Users>>("Database.Users", {}, [&] { return inner_->Users(); });
    return std::make_shared<FaultyUsers>(std::move(users), injector_);
}

} // namespace corvane::sim

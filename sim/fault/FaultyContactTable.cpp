#include "sim/fault/FaultyContactTable.h"

#include "sim/fault/FaultyFields.h"

namespace corvane::sim {

std::shared_ptr<act::Fields> FaultyContactTable::Fields() {
    auto fields =
        injector_.intercept<std::shared_ptr<act::Fields>>("ContactTable.Fields", {}, [&] { return inner_->Fields(); });
    return std::make_shared<FaultyFields>(std::move(fields), injector_);
}

} // namespace corvane::sim

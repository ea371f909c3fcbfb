#include "sim/act/SimContactTable.h"

#include "sim/act/ActChecks.h"
#include "sim/act/SimFields.h"

namespace corvane::sim {

std::shared_ptr<act::Fields> SimContactTable::Fields() {
    requireDatabaseOpen(engine_);
    return std::make_shared<SimFields>(engine_);
}

} // namespace corvane::sim

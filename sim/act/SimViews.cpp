#include "sim/act/SimViews.h"

#include "sim/act/ActChecks.h"
#include "sim/act/SimView.h"
#include "sim/engine/Engine.h"

namespace corvane::sim {

std::shared_ptr<act::View> SimViews::GetActive() {
    requireDatabaseOpen(engine_);
    return std::make_shared<SimView>(engine_, engine_.state().activeViewType());
}

std::shared_ptr<act::View> SimViews::Create(int16_t viewType, const std::string& name) {
    requireDatabaseOpen(engine_);
    if (name != act::kContactViewName || viewType < AuxCommandStore::kFirstView ||
        viewType > AuxCommandStore::kLastView) {
        throw RuntimeError(vberr::InvalidProcedureCall);
    }
    engine_.bringViewToFront(viewType);
    return std::make_shared<SimView>(engine_, viewType);
}

} // namespace corvane::sim

#include "sim/act/SimFields.h"

#include "sim/act/ActChecks.h"
#include "sim/act/DecimalText.h"
#include "sim/engine/Engine.h"

namespace corvane::sim {

int32_t SimFields::Count() {
    requireDatabaseOpen(engine_);
    return engine_.fields().count();
}

int16_t SimFields::ID(int16_t index) {
    const auto field = fieldAt(index);
    return field ? field->number : int16_t{-1};
}

std::string SimFields::Label(int16_t index) {
    const auto field = fieldAt(index);
    return field ? field->label : std::string();
}

int32_t SimFields::EntryRule(const std::string& fieldNumberText) {
    requireDatabaseOpen(engine_);
    const auto field = engine_.fields().byNumber(decimalTextToInt16(fieldNumberText));
    if (!field) {
        throw RuntimeError(vberr::InvalidProcedureCall);
    }
    return field->entryRule;
}

std::optional<FieldDefinition> SimFields::fieldAt(int16_t index) {
    requireDatabaseOpen(engine_);
    const auto last = engine_.fields().lastIndex();
    if (index < 0 || !last || index > *last) {
        throw RuntimeError(vberr::SubscriptOutOfRange);
    }
    return engine_.fields().atIndex(index);
}

} // namespace corvane::sim

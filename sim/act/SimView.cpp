#include "sim/act/SimView.h"

#include "sim/act/ActChecks.h"
#include "sim/engine/Engine.h"

namespace corvane::sim {

int16_t SimView::CurrentFieldID() {
    requireDatabaseOpen(engine_);
    return engine_.state().focusField();
}

std::string SimView::GetField(int16_t fieldNumber) {
    const int64_t contact = currentContactFor(fieldNumber);
    return engine_.contacts().value(contact, fieldNumber);
}

void SimView::SetField(int16_t fieldNumber, const std::string& value) {
    engine_.transaction([&] { engine_.contacts().setValue(currentContactFor(fieldNumber), fieldNumber, value); });
}

int64_t SimView::currentContactFor(int16_t fieldNumber) {
    requireDatabaseOpen(engine_);
    if (!engine_.fields().byNumber(fieldNumber)) {
        throw RuntimeError(vberr::InvalidProcedureCall);
    }
    const auto contact = engine_.state().currentContact();
    if (!contact || !engine_.contacts().exists(*contact)) {
        throw RuntimeError(vberr::AutomationError, "No current contact");
    }
    return *contact;
}

} // namespace corvane::sim

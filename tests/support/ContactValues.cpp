#include "tests/support/ContactValues.h"

#include "sim/engine/ContactStore.h"
#include "sim/engine/FieldStore.h"

namespace corvane::test {

ContactValues contactValues(sim::Engine& engine) {
    ContactValues values;
    for (const int64_t contact : engine.contacts().ids()) {
        for (const sim::FieldDefinition& field : engine.fields().all()) {
            values[{contact, field.number}] = engine.contacts().value(contact, field.number);
        }
    }
    return values;
}

} // namespace corvane::test

#include "sim/fault/FaultyFields.h"

namespace corvane::sim {

int32_t FaultyFields::Count() {
    return injector_.intercept<int32_t>("Fields.Count", {}, [&] { return inner_->Count(); });
}

int16_t FaultyFields::ID(int16_t index) {
    return injector_.intercept<int16_t>("Fields.ID", {std::to_string(index)}, [&] { return inner_->ID(index); });
}

std::string FaultyFields::Label(int16_t index) {
    return injector_.intercept<std::string>("Fields.Label", {std::to_string(index)},
                                            [&] { return inner_->Label(index); });
}

int32_t FaultyFields::EntryRule(const std::string& fieldNumberText) {
    return injector_.intercept<int32_t>("Fields.EntryRule", {fieldNumberText},
                                        [&] { return inner_->EntryRule(fieldNumberText); });
}

} // namespace corvane::sim

#include "sim/fault/FaultyView.h"

namespace corvane::sim {

int16_t FaultyView::Type() {
    return injector_.intercept<int16_t>("View.Type", {}, [&] { return inner_->Type(); });
}

int16_t FaultyView::CurrentFieldID() {
    return injector_.intercept<int16_t>("View.CurrentFieldID", {}, [&] { return inner_->CurrentFieldID(); });
}

std::string FaultyView::GetField(int16_t fieldNumber) {
    return injector_.intercept<std::string>("View.GetField", {std::to_string(fieldNumber)},
                                            [&] { return inner_->GetField(fieldNumber); });
}

void FaultyView::SetField(int16_t fieldNumber, const std::string& value) {
    injector_.intercept<void>("View.SetField", {std::to_string(fieldNumber), value},
                              [&] { inner_->SetField(fieldNumber, value); });
}

} // namespace corvane::sim

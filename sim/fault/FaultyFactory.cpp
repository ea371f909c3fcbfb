#include "sim/fault/FaultyFactory.h"

#include "sim/fault/FaultyApplication.h"
#include "sim/fault/FaultyAuxCommands.h"
#include "sim/fault/FaultyDatabase.h"
#include "sim/fault/FaultyEventControl.h"

namespace corvane::sim {

std::shared_ptr<act::ActObject> FaultyFactory::CreateObject(std::string_view className) {
    auto object = injector_.intercept<std::shared_ptr<act::ActObject>>(
        "ActFactory.CreateObject", {std::string(className)}, [&] { return inner_.CreateObject(className); });
    if (auto application = std::dynamic_pointer_cast<act::Application>(object)) {
        return std::make_shared<FaultyApplication>(std::move(application), injector_);
    }
    if (auto database = std::dynamic_pointer_cast<act::Database>(object)) {
        return std::make_shared<FaultyDatabase>(std::move(database), injector_);
    }
    if (auto auxCommands = std::dynamic_pointer_cast<act::AuxCommands>(object)) {
        return std::make_shared<FaultyAuxCommands>(std::move(auxCommands), injector_);
    }
    return object;
}

std::unique_ptr<act::EventControl> FaultyFactory::CreateEventControl() {
    auto control = injector_.intercept<std::unique_ptr<act::EventControl>>("ActFactory.CreateEventControl", {},
                                                                           [&] { return inner_.CreateEventControl(); });
    return std::make_unique<FaultyEventControl>(std::move(control), injector_);
}

} // namespace corvane::sim

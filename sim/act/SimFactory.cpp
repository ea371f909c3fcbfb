#include "sim/act/SimFactory.h"

#include "sim/act/SimApplication.h"
#include "sim/act/SimAuxCommands.h"
#include "sim/act/SimDatabase.h"
#include "sim/act/SimEventControl.h"
#include "sim/engine/Engine.h"

#include <algorithm>
#include <cctype>

namespace corvane::sim {

namespace {

bool sameClass(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
    });
}

} // namespace

std::shared_ptr<act::ActObject> SimFactory::CreateObject(std::string_view className) {
    if (engine_.state().running()) {
        if (sameClass(className, act::kAppObjectClass)) {
            return std::make_shared<SimApplication>(engine_);
        }
        if (sameClass(className, act::kDatabaseClass)) {
            return std::make_shared<SimDatabase>(engine_);
        }
        if (sameClass(className, act::kAuxCommandsClass)) {
            return std::make_shared<SimAuxCommands>(engine_);
        }
    }
    throw RuntimeError(vberr::CantCreateObject);
}

std::unique_ptr<act::EventControl> SimFactory::CreateEventControl() {
    return std::make_unique<SimEventControl>(engine_);
}

} // namespace corvane::sim

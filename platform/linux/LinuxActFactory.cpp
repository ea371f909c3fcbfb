#include "platform/linux/LinuxActFactory.h"

#include "common/RuntimeError.h"
#include "common/act/UnreachableEventControl.h"

namespace corvane::platform::linux_desktop {

LinuxActFactory::LinuxActFactory(const ActRegistration& registration) {
    const auto database = registration.find();
    if (!database) {
        return;
    }
    try {
        engine_ = std::make_unique<sim::Engine>(*database);
        factory_.emplace(*engine_);
    } catch (const RuntimeError&) {
        // A file that is no database (or cannot be opened) is left alone: ACT! counts as unreachable.
        engine_.reset();
    }
}

std::shared_ptr<act::ActObject> LinuxActFactory::CreateObject(std::string_view className) {
    if (!factory_) {
        throw RuntimeError(vberr::CantCreateObject);
    }
    return factory_->CreateObject(className);
}

std::unique_ptr<act::EventControl> LinuxActFactory::CreateEventControl() {
    if (!factory_) {
        return std::make_unique<act::UnreachableEventControl>(false);
    }
    return factory_->CreateEventControl();
}

} // namespace corvane::platform::linux_desktop

#pragma once

#include "common/act/Act.h"
#include "platform/linux/ActRegistration.h"
#include "sim/act/SimFactory.h"
#include "sim/engine/Engine.h"

#include <memory>
#include <optional>

namespace corvane::platform::linux_desktop {

/// ACT! as the Linux programs reach it: the simulated ACT! that runs for this user, found once, when
/// the factory is made, through its registration. With none running (or its database unusable),
/// the event control reports that ACT! cannot be reached (operation 1 gives 0, operation 3 false)
/// and every object fails with 429.
class LinuxActFactory : public act::ActFactory {
public:
    explicit LinuxActFactory(const ActRegistration& registration);

    std::shared_ptr<act::ActObject> CreateObject(std::string_view className) override;
    std::unique_ptr<act::EventControl> CreateEventControl() override;

    /// The running ACT!'s engine, or null when none was found. Lives as long as the factory.
    sim::Engine* engine() { return engine_.get(); }

private:
    std::unique_ptr<sim::Engine> engine_;
    std::optional<sim::SimFactory> factory_;
};

} // namespace corvane::platform::linux_desktop

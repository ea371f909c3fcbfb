#include "platform/linux/DesktopKeySender.h"

#include "platform/linux/KeyNotation.h"

namespace corvane::platform::linux_desktop {

void DesktopKeySender::SendKeys(std::string_view keys, bool /*wait*/) {
    desktop_.sendToForeground(keystrokesOf(keys));
}

} // namespace corvane::platform::linux_desktop

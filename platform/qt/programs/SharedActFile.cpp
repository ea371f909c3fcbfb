#include "platform/qt/programs/SharedActFile.h"

#include "common/Paths.h"

#include <cstdlib>

namespace corvane::forms::qt {

std::string sharedActFile() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data != nullptr && data[0] == '/') {
        return joinPath(data, "actsim.sqlite");
    }
    const char* home = std::getenv("HOME");
    return joinPath(joinPath(joinPath(home != nullptr ? home : ".", ".local"), "share"), "actsim.sqlite");
}

} // namespace corvane::forms::qt

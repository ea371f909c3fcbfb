// The rights decision over any Users.dat, field and user. Input: "field", NUL, "user ID", NUL, then the
// file. The level must equal a plainly written decision over the plain reference reader: a field's
// own lists hold when either names anybody, a user is in a list whose text (with one blank added)
// holds the ID, and an ID of blanks alone is in no list.
#include "common/Rights.h"
#include "fuzz/FuzzInput.h"
#include "tests/support/ReferenceProfileReader.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace corvane;

bool isSpaceOnly(std::string_view s) {
    for (const char c : s) {
        if (c != ' ') {
            return false;
        }
    }
    return true;
}

bool isBlankOnly(std::string_view s) {
    for (const char c : s) {
        if (c != ' ' && c != '\t' && c != '\v' && c != '\f') {
            return false;
        }
    }
    return true;
}

bool contains(std::string_view list, std::string_view id) {
    for (size_t at = 0; at + id.size() <= list.size(); ++at) {
        if (list.substr(at, id.size()) == id) {
            return true;
        }
    }
    return false;
}

bool listed(std::string_view id, std::string_view list) {
    return !isBlankOnly(id) && !isSpaceOnly(list) && contains(list, id);
}

RightsLevel referenceLevel(std::string_view file, std::string_view field, std::string_view id) {
    const auto list = [&](const std::string& key) {
        return test::referenceFind(file, "Sales", key).value_or("") + " ";
    };
    std::string full = list(std::string(field) + "F");
    std::string init = list(std::string(field) + "I");
    if (isSpaceOnly(full) && isSpaceOnly(init)) {
        full = list("GlobalF");
        init = list("GlobalI");
    }
    if (listed(id, full)) {
        return RightsLevel::Full;
    }
    return listed(id, init) ? RightsLevel::Initialize : RightsLevel::None;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::FuzzInput input(data, size);
    const std::string_view field = input.field('\0');
    const std::string_view id = input.field('\0');
    const ProfileDocument file{std::string(input.field('\0'))};
    const RightsLevel level = rightsLevel(id, effectiveRightsLists(file, "Sales", field));
    if (level != referenceLevel(file.bytes(), field, id)) {
        std::abort();
    }
    return 0;
}

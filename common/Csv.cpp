#include "common/Csv.h"

namespace corvane {

std::string csvField(std::string_view text) {
    std::string field = "\"";
    for (const char c : text) {
        field += c;
        if (c == '"') {
            field += '"';
        }
    }
    return field + '"';
}

} // namespace corvane

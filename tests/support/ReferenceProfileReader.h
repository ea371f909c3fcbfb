#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace corvane::test {

/// A deliberately plain reading of an INI text by the profile functions' rules, to check the profile
/// engine against: the text is cut into lines first, every line is classified on its own, and nothing
/// is remembered or skipped. Slow and simple on purpose.
std::optional<std::string> referenceFind(std::string_view bytes, std::string_view section, std::string_view key);

/// Where the body of a section lies, as byte offsets [first, second): from after its header's line
/// end to the start of the next header (or the end). Nothing when the section is absent.
std::optional<std::pair<size_t, size_t>> referenceSectionBody(std::string_view bytes, std::string_view section);

} // namespace corvane::test

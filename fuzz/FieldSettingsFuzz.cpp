// The field settings reader over any file. Input: the file's bytes. Its lines, read as VB's Line
// Input does, hold no CR and give back the whole file with their line ends; the three readings of a
// flag line fail only with VB's conversion errors and agree with each other; and settings written
// from those lines read back as written.
#include "common/FieldSettingsFile.h"
#include "common/RuntimeError.h"
#include "common/VbConvert.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace {

using namespace corvane;

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// One file per fuzzing process, in memory where the system offers it (a settings file is replaced
// whole, through a new file and a rename, on every run), removed when the fuzzer exits.
struct ScratchFile {
    std::filesystem::path path;
    ~ScratchFile() {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
};

const std::string& scratchFile() {
    static const ScratchFile file{[] {
        const std::filesystem::path memory = "/dev/shm";
        const auto folder = std::filesystem::is_directory(memory) ? memory : std::filesystem::temp_directory_path();
        return folder / ("corvane-fuzz-" + std::to_string(getpid()) + ".dat");
    }()};
    static const std::string path = file.path.string();
    return path;
}

void writeFile(const std::string& bytes) {
    std::ofstream(scratchFile(), std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::string> linesOf(const std::string& bytes) {
    writeFile(bytes);
    FieldSettingsReader reader(scratchFile());
    std::vector<std::string> lines;
    size_t consumed = 0;
    while (!reader.atEnd()) {
        const std::string_view line = reader.nextLine();
        require(line.find('\r') == std::string_view::npos);
        require(bytes.compare(consumed, line.size(), line) == 0);
        consumed += line.size();
        // The line end: CR LF, or a lone CR, or none at the end of the file.
        if (consumed < bytes.size()) {
            require(bytes[consumed] == '\r');
            consumed += consumed + 1 < bytes.size() && bytes[consumed + 1] == '\n' ? 2 : 1;
        }
        lines.emplace_back(line);
    }
    require(consumed == bytes.size());
    return lines;
}

// The value of a flag, or the VB error reading it gives; any other failure is a fault.
template <class Read> std::optional<int32_t> flagOrError(Read read, int32_t* error) {
    try {
        return read();
    } catch (const RuntimeError& e) {
        require(e.number() == vberr::TypeMismatch || e.number() == vberr::Overflow);
        *error = e.number();
        return std::nullopt;
    }
}

void checkFlagReadings(std::string_view line) {
    int32_t adminError = 0;
    int32_t editorError = 0;
    int32_t triggerError = 0;
    const auto admin = flagOrError([&] { return adminFlag(line, kAllowEditingPrefix).value_or(0); }, &adminError);
    const auto editor = flagOrError([&] { return editorFlag(line, kAllowEditingPrefix); }, &editorError);
    const auto trigger = flagOrError([&] { return triggerFlag(line, kAllowEditingPrefix) ? 1 : 0; }, &triggerError);
    // A line that starts with the prefix once and holds it nowhere else gives all three the same text.
    const std::string_view rest = line.substr(std::min(line.size(), kAllowEditingPrefix.size()));
    if (line.starts_with(kAllowEditingPrefix) && rest.find(kAllowEditingPrefix) == std::string_view::npos) {
        require(admin == editor && adminError == editorError);
        if (const auto number = vb::parseNumber(rest)) {
            require(trigger == (*number != 0.0 ? 1 : 0));
        }
    }
}

void checkRoundTrip(const std::vector<std::string>& lines) {
    FieldSettings settings;
    settings.OnlyFromDropdown = static_cast<int16_t>(lines.size());
    settings.AllowEditing = static_cast<int16_t>(-static_cast<int16_t>(lines.size() % 3));
    std::vector<std::string> expected;
    for (const std::string& line : lines) {
        settings.Items.push_back(line);
        if (!text::trimSpaces(line).empty()) {
            expected.emplace_back(text::trimSpaces(line));
        }
    }
    writeFieldSettingsFile(scratchFile(), settings);
    FieldSettingsReader reader(scratchFile());
    require(adminFlag(reader.nextLine(), kOnlyFromDropdownPrefix) == settings.OnlyFromDropdown);
    require(editorFlag(reader.nextLine(), kAllowEditingPrefix) == settings.AllowEditing);
    std::vector<std::string> items;
    reader.readItems([&](std::string_view item) { items.emplace_back(item); });
    require(items == expected);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = linesOf(bytes);
    for (const std::string& line : lines) {
        checkFlagReadings(line);
    }
    checkRoundTrip(lines);
    return 0;
}

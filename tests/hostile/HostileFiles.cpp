#include "tests/hostile/HostileFiles.h"

#include "tests/support/TempDir.h"

#include <sys/stat.h>

#include <fstream>
#include <random>
#include <stdexcept>
#include <string_view>

namespace corvane::test {

namespace {

void junk(const std::filesystem::path& target, const std::string&) {
    std::mt19937 random(20261207);
    std::string bytes(64 * 1024, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(random() & 0xFF);
    }
    writeBytes(target, bytes);
}

// No "[" in the filler: the profile engine's section search is slow on lines full of them, which is
// a matter for its benchmark, not for these cases.
void fiftyMegabytes(const std::filesystem::path& target, const std::string& sound) {
    constexpr size_t kLines = 50 * 1024;
    const std::string line = "Filler=" + std::string(1017, 'f') + "\r\n"; // 1 KiB a line
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    out << sound;
    for (size_t written = 0; written < kLines; ++written) {
        out << line;
    }
}

void tenMegabyteLine(const std::filesystem::path& target, const std::string& sound) {
    writeBytes(target, sound + "Long=" + std::string(10 * 1024 * 1024, 'x') + "\r\n");
}

void nulInValues(const std::filesystem::path& target, const std::string& sound) {
    // A NUL at the start of every value, and after the first byte of every list item.
    std::string bytes;
    size_t lineStart = 0;
    for (size_t at = 0; at < sound.size(); ++at) {
        bytes += sound[at];
        const size_t lineEnd = sound.find('\r', lineStart);
        const std::string_view line(sound.data() + lineStart, lineEnd - lineStart);
        const bool item = line.find('=') == std::string_view::npos && !line.starts_with('[');
        if (sound[at] == '=' || (item && at == lineStart)) {
            bytes += '\0';
        }
        if (sound[at] == '\n') {
            lineStart = at + 1;
        }
    }
    writeBytes(target, bytes);
}

void crOnly(const std::filesystem::path& target, const std::string& sound) {
    std::string bytes;
    for (const char byte : sound) {
        if (byte != '\n') {
            bytes += byte;
        }
    }
    writeBytes(target, bytes);
}

void folder(const std::filesystem::path& target, const std::string&) {
    std::filesystem::create_directory(target);
}

void fifo(const std::filesystem::path& target, const std::string&) {
    if (::mkfifo(target.c_str(), 0600) != 0) {
        throw std::runtime_error("no FIFO at " + target.string());
    }
}

void utf16(const std::filesystem::path& target, const std::string& sound) {
    std::string bytes = "\xFF\xFE";
    for (const char byte : sound) {
        bytes += byte;
        bytes += '\0';
    }
    writeBytes(target, bytes);
}

void nothing(const std::filesystem::path&, const std::string&) {}

} // namespace

const std::vector<HostileCase>& hostileCases() {
    static const std::vector<HostileCase> cases{
        {"binary junk", junk},
        // Reading and rewriting 50 MB takes its time, the more so in a sanitizer build.
        {"50 MB", fiftyMegabytes, false, false, std::chrono::seconds(20)},
        {"one 10 MB line", tenMegabyteLine, false, false, std::chrono::seconds(5)},
        {"NUL in values", nulInValues},
        {"CR-only lines", crOnly},
        {"a folder", folder},
        {"a FIFO", fifo},
        {"UTF-16 with BOM", utf16, true},
        {"missing folder", nothing, false, true},
    };
    return cases;
}

std::string soundContent(Place place) {
    switch (place) {
    case Place::UsersFile:
        return "[Other]\r\nGlobalF=X\r\n[Sales]\r\nGlobalF=K7Q2M9X1\r\nGlobalI=P3R8T4V6\r\n";
    case Place::FieldFile:
        return "OnlyFromDropdown=0\r\nAllowEditing=1\r\nGold\r\nSilver\r\n";
    case Place::ToolSettings:
        break;
    }
    return "[Settings]\r\nExpanded=\"True\"\r\nLastField=\"ID/Status\"\r\n";
}

const char* placeName(Place place) {
    switch (place) {
    case Place::UsersFile:
        return "Users.dat";
    case Place::FieldFile:
        return "Sales15.dat";
    case Place::ToolSettings:
        break;
    }
    return "settings.ini";
}

} // namespace corvane::test

#include "tests/win32/UsersFileWriter.h"

#include "common/FileIo.h"
#include "common/IniLib.h"
#include "common/RuntimeError.h"

#include <charconv>
#include <cstdio>

namespace corvane::test::UsersFileWriter {
namespace {

std::optional<int> parse(std::string_view text) {
    int n = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return n;
}

size_t fillerLength(int n) {
    return 2000 + static_cast<size_t>(n % 7) * 3001;
}

} // namespace

std::string valueOf(int n) {
    const std::string number = std::to_string(n);
    return number + ":" + std::string(fillerLength(n), static_cast<char>('a' + n % 26)) + ":" + number;
}

std::optional<int> numberOf(std::string_view value) {
    const auto n = parse(value.substr(0, value.find(':')));
    if (!n || value != valueOf(*n)) {
        return std::nullopt;
    }
    return n;
}

int run(const std::string& file, int count, const std::string& reportFile) {
    Report report;
    for (int n = 1; n <= count; ++n) {
        ++report.attempts;
        try {
            IniLib::WriteKeyValue("Sales", "GlobalF", valueOf(n), file);
            ++report.written;
            report.lastWritten = n;
        } catch (const RuntimeError&) {
            ++report.failed;
        }
    }
    char text[64];
    std::snprintf(text, sizeof text, "%d %d %d %d", report.attempts, report.written, report.failed, report.lastWritten);
    replaceFile(reportFile, text);
    return 0;
}

int runKeyWriter(const std::string& file, const std::string& id, int rounds) {
    int failed = 0;
    for (int round = 1; round <= rounds; ++round) {
        try {
            IniLib::WriteKeyValue("Writers", "W" + id, std::to_string(round), file);
            IniLib::WriteKeyValue("Writer" + id, "Last", std::to_string(round), file);
        } catch (const RuntimeError&) {
            ++failed;
        }
    }
    return failed;
}

std::optional<Report> readReport(const std::string& reportFile) {
    const auto text = readFileIfPresent(reportFile);
    Report report;
    if (!text || std::sscanf(text->c_str(), "%d %d %d %d", &report.attempts, &report.written, &report.failed,
                             &report.lastWritten) != 4) {
        return std::nullopt;
    }
    return report;
}

} // namespace corvane::test::UsersFileWriter

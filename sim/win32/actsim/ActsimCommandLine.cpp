#include "sim/win32/actsim/ActsimCommandLine.h"

#include "platform/win32/com/ComText.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <stdexcept>

namespace corvane::sim::win32 {

namespace {

/// The switch's name in lower case, or "" for an argument that is no switch.
std::string switchOf(const std::string& argument) {
    if (argument.size() < 2 || (argument[0] != '/' && argument[0] != '-')) {
        return {};
    }
    std::string name = argument.substr(1);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
    return name;
}

std::pair<std::string, int> faultOf(const std::string& text) {
    const size_t equals = text.find('=');
    int error = 0;
    const char* end = text.data() + text.size();
    if (equals == 0 || equals == std::string::npos ||
        std::from_chars(text.data() + equals + 1, end, error).ptr != end || error <= 0) {
        throw std::invalid_argument("a fault is written Member=Error, e.g. View.SetField=70: " + text);
    }
    return {text.substr(0, equals), error};
}

} // namespace

ActsimCommandLine ActsimCommandLine::parse(const std::vector<std::string>& arguments) {
    ActsimCommandLine line;
    for (auto argument = arguments.begin(); argument != arguments.end(); ++argument) {
        const std::string name = switchOf(*argument);
        if (name == "regserver") {
            line.mode = Mode::Register;
        } else if (name == "unregserver") {
            line.mode = Mode::Unregister;
        } else if (name == "embedding") {
            continue;
        } else if (name == "fail") {
            if (++argument == arguments.end()) {
                throw std::invalid_argument("/fail needs a fault, e.g. View.SetField=70");
            }
            line.faults.push_back(faultOf(*argument));
        } else if (name == "calls") {
            if (++argument == arguments.end()) {
                throw std::invalid_argument("/calls needs the file to write the calls to");
            }
            line.callLog = *argument;
        } else if (name.empty() && line.database.empty()) {
            line.database = *argument;
        } else {
            throw std::invalid_argument("unknown argument: " + *argument);
        }
    }
    return line;
}

std::vector<std::string> processArguments() {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; wide != nullptr && i < count; ++i) {
        arguments.push_back(::corvane::win32::com::ansiOf(wide[i], wcslen(wide[i])));
    }
    LocalFree(wide);
    return arguments;
}

} // namespace corvane::sim::win32

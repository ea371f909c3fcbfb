#include "platform/win32/ui/Win32App.h"

#include "platform/win32/files/ModulePath.h"

#include <utility>

namespace corvane::forms::win32 {

// The last error read right after CreateMutexA tells whether the mutex was there already.
Win32App::Win32App(ProgramFacts facts)
    : facts_(std::move(facts)), instance_(CreateMutexA(nullptr, FALSE, instanceMutexName(EXEName()).c_str())),
      prevInstance_(GetLastError() == ERROR_ALREADY_EXISTS) {}

std::string Win32App::Path() {
    const std::string path = corvane::win32::modulePath();
    const size_t separator = path.find_last_of('\\');
    return separator == std::string::npos ? std::string() : path.substr(0, separator);
}

std::string Win32App::EXEName() {
    const std::string path = corvane::win32::modulePath();
    const size_t separator = path.find_last_of('\\');
    std::string name = separator == std::string::npos ? path : path.substr(separator + 1);
    const size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string Win32App::instanceMutexName(const std::string& exeName) {
    // Case does not tell two program files apart on Windows.
    std::string name = exeName;
    CharUpperBuffA(name.data(), static_cast<DWORD>(name.size()));
    return "Local\\Corvane.Instance." + name;
}

} // namespace corvane::forms::win32

#pragma once

#include <cstdint>
#include <string>

namespace corvane::forms {

/// What a program states about itself; a backend's `App` adds what the running process tells.
struct ProgramFacts {
    std::string title;
    int16_t major = 1;
    int16_t minor = 0;
    int16_t revision = 0;
};

/// Facts about the running program.
class App {
public:
    virtual ~App() = default;
    /// The program's folder, without a trailing separator.
    virtual std::string Path() = 0;
    /// The program's file name without extension.
    virtual std::string EXEName() = 0;
    virtual std::string Title() = 0;
    virtual int16_t Major() = 0;
    virtual int16_t Minor() = 0;
    virtual int16_t Revision() = 0;
    /// True when another copy of the same program is already running.
    virtual bool PrevInstance() = 0;
};

} // namespace corvane::forms

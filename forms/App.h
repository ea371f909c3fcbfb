#pragma once

#include <cstdint>
#include <string>

namespace corvane::forms {

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

#pragma once

namespace corvane::test {

/// Under Wine a program that runs on a desktop of its own (the value "Desktop" of the key
/// HKCU\Software\Wine\AppDefaults\<program>\Explorer) gets it drawn by a process that Wine starts for it. That process
/// holds the program's output and outlives it by some ten seconds, while CTest waits for the end of the output: the
/// program ends it when it is done. The shared desktop ("Default") is left alone.
void endOwnDesktop();

} // namespace corvane::test

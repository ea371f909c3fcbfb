#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds Corvane and runs the whole test suite.
# Usage: scripts/test.sh           the Linux suite, then the Windows part
#        scripts/test.sh asan      the Linux suite under ASan+UBSan
#        scripts/test.sh fuzz      every fuzz target (clang, libFuzzer, ASan+UBSan) for 15 seconds from
#                                  its seed corpus; any finding fails
#        scripts/test.sh windows   the Windows part only: the shipped 32-bit build (compiled and
#                                  linked), the 64-bit test build's tests under wine64 and Xvfb, then
#                                  the user manual and the installer that ship
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-default}

linux_suite() {
    cmake --preset "$1"
    cmake --build --preset "$1"
    ctest --preset "$1"
}

windows_part() {
    cmake --preset windows
    cmake --build --preset windows
    scripts/windows-deps.sh x86_64
    cmake --preset windows-tests
    cmake --build --preset windows-tests
    # Win32 windows need a display: a private X server (1280x1024, 24 bits), whatever the caller has.
    xvfb-run --auto-servernum ctest --preset windows-tests
    # The manual shows the screenshots the tests just saved: build/windows/Corvane_User_Manual.pdf,
    # then build/windows/CorvaneSetup.exe.
    cmake --build --preset windows --target setup
}

case $mode in
default)
    scripts/install-deps.sh
    linux_suite default
    windows_part
    ;;
windows)
    scripts/install-deps.sh
    windows_part
    ;;
fuzz)
    scripts/install-deps.sh linux
    cmake --preset fuzz
    cmake --build --preset fuzz
    ctest --preset fuzz
    ;;
*)
    scripts/install-deps.sh linux
    linux_suite "$mode"
    ;;
esac

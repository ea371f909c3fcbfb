#!/usr/bin/env bash
# Installs the Debian packages that building and testing Corvane needs, when any is missing.
# Usage: scripts/install-deps.sh [linux]   (linux: only what the Linux build needs, as the demo does)
set -euo pipefail

packages=(
    g++ cmake ninja-build clang-format
    # clang for the fuzz build, and the sanitizers' and libFuzzer's runtime, only recommended by it
    clang libclang-rt-14-dev
    # a German locale, so that tests prove numbers are read the same under a comma-decimal locale
    locales
    libgtest-dev libgmock-dev libbenchmark-dev
    libsqlite3-dev
    qt6-base-dev fonts-dejavu-core fonts-dejavu-extra
    libxcb1-dev  # the start-up benchmark watches windows being mapped
)
if [[ ${1:-} != linux ]]; then
    packages+=(
        # the MinGW cross compilers and tools, and wine64 under Xvfb to run the tests, with Wine's
        # own faces ("MS Sans Serif" of the classic forms)
        g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix mingw-w64-tools
        wine64 fonts-wine xvfb xauth
        # the programs' icons, drawn from SVG at build time
        librsvg2-bin icoutils
        # the user manual (PDF from AsciiDoc), its check, and the installer
        ruby-asciidoctor-pdf poppler-utils nsis
        # SQLite and GoogleTest built from Debian's sources (scripts/windows-deps.sh)
        googletest dpkg-dev debian-archive-keyring make tcl
    )
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The tests of locale-independent numbers run under de_DE.UTF-8.
if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
    echo "Generating the de_DE.UTF-8 locale"
    sudo_cmd=()
    [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    "${sudo_cmd[@]}" locale-gen
fi

#!/usr/bin/env bash
# Installs the Debian packages that building and testing Corvane needs, when any is missing.
set -euo pipefail

packages=(
    g++ cmake ninja-build clang-format
    libgtest-dev libgmock-dev libbenchmark-dev
    libsqlite3-dev
    qt6-base-dev fonts-dejavu-core fonts-dejavu-extra
)

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

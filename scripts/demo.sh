#!/usr/bin/env bash
# The demo on a fresh Debian 12 machine (as root, or with sudo): installs what is missing, builds the
# simulated ACT! (actsim), both programs and the tour, then
# - with a display: opens actsim on the demo database "Sales" (in ~/.local/share/Corvane);
# - without one: runs the scripted tour of the real programs offscreen, printing each step and
#   saving a screenshot of each into build/default/tour/screenshots. It fails when a step does.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh linux
cmake --preset default
cmake --build --preset default --target actsim Corvane CorvaneEditMode tour

bin=build/default/bin
if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
    # The programs keep their settings beside themselves and never make that folder.
    mkdir -p "$bin/Settings"
    echo "actsim opens the demo database. Run $bin/Corvane beside it to set rights and drop-down lists;"
    echo "entering a protected field in actsim (ID/Status, Sales Region, ...) starts CorvaneEditMode."
    exec "$bin/actsim"
fi
QT_QPA_PLATFORM=offscreen exec "$bin/tour" build/default/tour

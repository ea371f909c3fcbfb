#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds Corvane and runs the whole test suite.
# Usage: scripts/test.sh [preset]   (default: "default"; "asan" runs it under ASan+UBSan)
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-default}

scripts/install-deps.sh
cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset"

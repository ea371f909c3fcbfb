#!/usr/bin/env bash
# The long runs of the write path's reliability suite (tests/reliability), too slow for CI:
# 1,000 kill trials per settings file, then 8 writer processes of one users file beside readers.
# Usage: scripts/reliability.sh [preset]     (default: the "default" preset; "asan" works too)
# Trials and sizes can be changed: CORVANE_KILL_TRIALS, CORVANE_CONCURRENT_WRITERS (2-8),
# CORVANE_CONCURRENT_ROUNDS.
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-default}

cmake --preset "$preset"
cmake --build --preset "$preset" --target reliability_tests
tests=build/$preset/tests/reliability/reliability_tests

CORVANE_KILL_TRIALS=${CORVANE_KILL_TRIALS:-1000} "$tests" --gtest_filter='KillTrials.*'
CORVANE_CONCURRENT_WRITERS=${CORVANE_CONCURRENT_WRITERS:-8} CORVANE_CONCURRENT_ROUNDS=${CORVANE_CONCURRENT_ROUNDS:-200} \
    "$tests" --gtest_filter='ConcurrentWriters.*'

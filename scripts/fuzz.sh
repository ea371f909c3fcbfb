#!/usr/bin/env bash
# Long fuzzing campaigns: builds the fuzz preset, then runs each fuzz target for the given time,
# growing a corpus of its own under build/fuzz/campaign/<target>/corpus from the committed seeds in
# fuzz/corpus/<target>. Findings are saved in build/fuzz/campaign/<target>/findings; add one to the
# seeds (and a unit test) once it is fixed. Prints runs, speed, coverage and findings per target.
# Usage: scripts/fuzz.sh [seconds per target, default 300] [target...]   (default: every target)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-300}
(($# == 0)) || shift
targets=("$@")
((${#targets[@]})) || targets=(profile_document_fuzz field_settings_fuzz rights_fuzz vb_convert_fuzz)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

status=0
report=()
for target in "${targets[@]}"; do
    dir=build/fuzz/campaign/$target
    mkdir -p "$dir/corpus" "$dir/findings"
    echo "Fuzzing $target for ${seconds}s (log: $dir/last.log)"
    build/fuzz/fuzz/$target -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$dir/findings/" \
        "$dir/corpus" "fuzz/corpus/$target" >"$dir/last.log" 2>&1 || status=1
    runs=$(grep -oP 'number_of_executed_units:\s*\K\d+' "$dir/last.log" || echo '?')
    speed=$(grep -oP 'average_exec_per_sec:\s*\K\d+' "$dir/last.log" || echo '?')
    coverage=$(grep -oP '\bcov: \K\d+' "$dir/last.log" | tail -n1 || true)
    features=$(grep -oP '\bft: \K\d+' "$dir/last.log" | tail -n1 || true)
    found=$(grep -c 'Test unit written to' "$dir/last.log" || true)
    report+=("$(printf '%-24s %12s runs %8s/s  cov %6s  ft %6s  corpus %5s  findings %s' "$target" "$runs" \
        "$speed" "${coverage:-?}" "${features:-?}" "$(find "$dir/corpus" -type f | wc -l)" "$found")")
done
printf '%s\n' "${report[@]}"
exit $status

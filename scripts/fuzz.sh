#!/usr/bin/env bash
# Fuzzes every reader's target (or those named) for SECONDS each with libFuzzer, in a clang
# build of its own (build-fuzz/). Seeds come from tests/fuzz/corpus/<name>/; what the fuzzer adds
# stays in build-fuzz/corpus/<name>/, and crashes, hangs and leaks in build-fuzz/findings/<name>/.
# Usage: scripts/fuzz.sh SECONDS [NAME...]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:?usage: scripts/fuzz.sh SECONDS [NAME...]}
shift
# clang and its libFuzzer runtime, when they are missing.
"$top/scripts/install-deps.sh" "$top/scripts/fuzz-packages.txt"
build="$top/build-fuzz"
CC=clang CXX=clang++ cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPD_FUZZ=ON \
    >/dev/null
cmake --build "$build" --target fuzz_targets -j"$(nproc)" >/dev/null
export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy
names=("$@")
if [[ ${#names[@]} -eq 0 ]]; then
    mapfile -t names < <(ls "$top/tests/fuzz/corpus")
fi
status=0
for name in "${names[@]}"; do
    corpus="$build/corpus/$name"
    findings="$build/findings/$name"
    mkdir -p "$corpus" "$findings"
    log="$build/findings/$name.log"
    # -timeout: one input taking longer is a hang; -rss_limit_mb: more memory is a finding.
    if ! "$build/tests/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/" \
        "$corpus" "$top/tests/fuzz/corpus/$name" >"$log" 2>&1; then
        status=1
    fi
    runs=$(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)
    coverage=$(grep -E '^#[0-9]+' "$log" | tail -n 1 | grep -o 'cov: [0-9]*' || true)
    found=$(find "$findings" -type f | wc -l)
    printf '%-12s %10s executions  %-10s %s findings\n' "$name" "${runs:-?}" "${coverage:-cov: ?}" \
        "$found"
done
exit $status

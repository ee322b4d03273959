#!/usr/bin/env bash
# Builds everything a second time with AddressSanitizer (leak checking on) and
# UndefinedBehaviorSanitizer into build-asan/, and runs the whole suite there headless, the fuzz
# corpus replays included. Any finding fails the run; no finding is suppressed (the system
# libraries the suite loads report none).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cmake -S "$top" -B "$top/build-asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPD_SANITIZE=ON
cmake --build "$top/build-asan" -j"$(nproc)"
export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy
ctest --test-dir "$top/build-asan" --output-on-failure -j"$(nproc)" --timeout 900

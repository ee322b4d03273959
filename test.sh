#!/usr/bin/env bash
# Sets up and builds as run.sh does, then runs the whole test suite headless.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
"$top/scripts/build.sh"
export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy
ctest --test-dir "$top/build" --output-on-failure -j"$(nproc)" --timeout 600

#!/usr/bin/env bash
# Sets up, builds everything and starts the game in its folder build/game/.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
"$top/scripts/build.sh"
cd "$top/build/game"
exec ./puzzle-desk

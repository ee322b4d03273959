#!/usr/bin/env bash
# Installs the Debian packages listed in scripts/packages*.txt (or in the lists named as
# arguments) that are not yet installed.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
lists=("$@")
[[ ${#lists[@]} -gt 0 ]] || lists=("$here"/packages*.txt)
mapfile -t wanted < <(cat "${lists[@]}" | grep -v -E '^\s*(#|$)' | sort -u)
missing=()
for pkg in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0
echo "Installing: ${missing[*]}"
sudo_cmd=()
[[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"

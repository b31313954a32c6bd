#!/usr/bin/env bash
# Rebuilds the icon tool with the host compiler and regenerates res/Lumaric.ico.
# The .ico is committed, so the Windows build never needs to run this.
# Extra arguments go to the tool, e.g. --preview /tmp/icon.ppm
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

g++ -std=c++17 -O2 -Wall -Wextra -Wpedantic -o "$work/make_icon" "$root/tools/make_icon.cpp" -lz
"$work/make_icon" "$root/res/Lumaric.ico" "$@"
echo "wrote $root/res/Lumaric.ico"

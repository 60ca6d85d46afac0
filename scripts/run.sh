#!/usr/bin/env bash
# Builds the Windows program and runs it under Wine, in the build tree's test
# prefix (code page 936, its own HOME, so the saved files land in
# build/windows/wine/home-1024x768). With no display it shows what it does
# instead: on a private Xvfb it starts the program, types 中文, saves a
# screenshot of the window and prints its path.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)"

build=build/windows
wine_root="$PWD/$build/wine"
lumetra="$PWD/$build/app/lumetra.exe"

if [ -n "${DISPLAY:-}" ]; then
  exec scripts/wine-run.sh "$wine_root" "$lumetra"
fi

# shellcheck source=scripts/xvfb.sh
. scripts/xvfb.sh
finish() {
  WINEPREFIX="$wine_root/prefix-1024x768" wineserver -k 2>/dev/null || true
  stop_private_xvfb
}
trap finish EXIT
start_private_xvfb
png="$PWD/$build/screenshots/lumetra-demo.png"
tests/windows/e2e/screenshot.sh scripts/wine-run.sh "$wine_root" \
  "$PWD/$build/tests/windows/e2e/lumetra_e2e.exe" "$lumetra" "$png" >/dev/null
echo "No display: ran Lumetra on a private Xvfb, typed 中文; screenshot: $png"

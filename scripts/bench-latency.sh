#!/usr/bin/env bash
# Latency of the real program under Wine, measured from outside its process by
# the end-to-end driver: keystroke round trips by text size (with the encoding
# core's share beside them), start-up to the window shown, and a save. Prints
# a table; checks no time.
#
#   bench-latency.sh [BUILD_DIR]   (default build/windows)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

build=${1:-build/windows}
cmake --preset windows -B "$build" >/dev/null
cmake --build "$build" --target lumetra lumetra_e2e >/dev/null
build=$(cd "$build" && pwd)

# shellcheck source=scripts/xvfb.sh
. scripts/xvfb.sh
start_private_xvfb
cleanup() {
  WINEPREFIX="$build/wine/prefix-1024x768" wineserver -k 2>/dev/null || true
  stop_private_xvfb
}
trap cleanup EXIT

scripts/wine-run.sh "$build/wine" "$build/tests/windows/e2e/lumetra_e2e.exe" latency \
  "$build/app/lumetra.exe"

#!/usr/bin/env bash
# Builds both presets and runs every test: the native unit tests (plain and
# under sanitizers), the fuzz targets for a bounded time, and the Windows
# build's unit and end-to-end tests under Wine on a private Xvfb display.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/install-deps.sh

# shellcheck source=scripts/xvfb.sh
. scripts/xvfb.sh
wine_root="$PWD/build/windows/wine"
stop_wine() {
  local prefix
  for prefix in "$wine_root"/prefix-*; do
    [ -d "$prefix" ] && WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
  done
}
finish() {
  stop_wine
  stop_private_xvfb
}
trap finish EXIT

jobs=$(nproc)

echo "== native build and unit tests"
cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs"
ctest --preset native -j "$jobs"

echo "== native unit tests under AddressSanitizer and UBSan"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j "$jobs"
ctest --preset sanitize -j "$jobs"

echo "== fuzz targets, 20 seconds each"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs"
scripts/fuzz.sh 20

echo "== Windows build and tests under Wine"
start_private_xvfb
stop_wine  # a server left from an earlier run would hold a stale display
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs"
ctest --preset windows -j "$jobs"

echo "== all tests passed"

#!/usr/bin/env bash
# Runs a Windows program under Wine in a test prefix of the build tree.
#
#   wine-run.sh ROOT [--screen WxH] PROGRAM [ARGS...]
#
# ROOT holds one prefix per screen size (default 1024x768), each with its own
# HOME so the prefix's Desktop folder lies inside ROOT and never in the real
# home folder. The prefix is created on first use: code page 936 through the
# zh_CN locale, and one virtual desktop of the given size so the screen size
# is known. The program's exit code is passed on.
set -euo pipefail

root=$1
shift
screen=1024x768
if [ "${1:-}" = "--screen" ]; then
  screen=$2
  shift 2
fi

mkdir -p "$root"
root=$(cd "$root" && pwd)
export WINEPREFIX="$root/prefix-$screen"
export HOME="$root/home-$screen"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# GetACP() is 936 when Wine sees a zh_CN locale. Passed through env so that
# this shell does not try (and warn about failing) to switch locale itself.
in_zh_cn=(env LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8)
mkdir -p "$HOME"

# Wine needs an X display even for console programs that touch user32.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=scripts/xvfb.sh
. "$here/xvfb.sh"
started_xvfb=""
if [ -z "${DISPLAY:-}" ]; then
  start_private_xvfb
  started_xvfb=1
fi
cleanup() {
  if [ -n "$started_xvfb" ]; then
    wineserver -k 2>/dev/null || true
    stop_private_xvfb
  fi
}
trap cleanup EXIT

# Parallel tests share one prefix; the first one creates it, the others wait.
(
  flock 9
  if [ ! -f "$WINEPREFIX/.lumetra-ready" ]; then
    "${in_zh_cn[@]}" wineboot -i >/dev/null 2>&1
    "${in_zh_cn[@]}" wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    "${in_zh_cn[@]}" wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$screen" /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.lumetra-ready"
  fi
) 9>"$root/.prefix-$screen.lock"

set +e
"${in_zh_cn[@]}" wine "$@"
status=$?
set -e
exit "$status"

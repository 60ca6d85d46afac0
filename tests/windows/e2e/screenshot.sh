#!/usr/bin/env bash
# The e2e.screenshot test: the driver writes a BMP of the window with 中文
# typed, and ImageMagick makes the PNG beside it.
#
#   screenshot.sh WINE_RUN WINE_ROOT DRIVER LUMETRA OUT.png
set -euo pipefail
wine_run=$1 wine_root=$2 driver=$3 lumetra=$4 png=$5
mkdir -p "$(dirname "$png")"
bmp="${png%.png}.bmp"
rm -f "$bmp" "$png"
"$wine_run" "$wine_root" "$driver" screenshot "$lumetra" "$bmp"
convert "$bmp" "$png"
rm -f "$bmp"
echo "screenshot: $png"

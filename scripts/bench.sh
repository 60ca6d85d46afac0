#!/usr/bin/env bash
# Runs the encoding core's benchmarks and prints one table: convert_encoding
# against a bare libiconv conversion, hex_dump against memcpy and against
# CPython's bytes.hex().upper(), and one whole refresh (five conversions and
# five dumps).
#
# Everything runs twice. "fresh" is malloc as it comes: blocks above its mmap
# threshold come fresh from the kernel on every call, one page fault per 4 KiB
# on first touch. "kept" raises the thresholds so freed memory stays in the
# process and is reused; the difference between the two is the kernel's cost
# of handing out pages, not the core's work.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/install-deps.sh

cmake --preset native >/dev/null
cmake --build --preset native --target core_bench >/dev/null

bench=build/native/bench/core_bench
work=build/native/bench/results
mkdir -p "$work"
"$bench" --write-inputs="$work"

kept_malloc="glibc.malloc.mmap_threshold=1073741824:glibc.malloc.trim_threshold=1073741824"
table_args=()
for mode in fresh kept; do
  tunables=""
  [ "$mode" = kept ] && tunables="$kept_malloc"
  echo "== benchmarks, malloc $mode" >&2
  GLIBC_TUNABLES="$tunables" "$bench" \
    --benchmark_repetitions=5 --benchmark_enable_random_interleaving=true \
    --benchmark_min_time=0.05 \
    --benchmark_out="$work/core-$mode.json" --benchmark_out_format=json \
    >"$work/core-$mode.txt" 2>&1
  echo "== python peer, malloc $mode" >&2
  GLIBC_TUNABLES="$tunables" python3 bench/hex_peer.py "$work" >"$work/peer-$mode.json"
  table_args+=("$mode" "$work/core-$mode.json" "$work/peer-$mode.json")
done

echo "Machine: $(lscpu | sed -n 's/^Model name: *//p'), $(nproc) CPUs"
python3 bench/print_table.py "${table_args[@]}"

# ---- The real program under Wine: keystroke, start-up and save latency.
echo "== latency of lumetra.exe under Wine" >&2
scripts/bench-latency.sh

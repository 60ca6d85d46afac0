#!/usr/bin/env bash
# Runs each libFuzzer target of the fuzz preset for a bounded time, side by
# side: scripts/fuzz.sh [SECONDS] (default 20). Expects the fuzz preset built.
# The growing corpus stays in build/fuzz/corpus, so every run starts where the
# last one stopped; the committed seeds in tests/fuzz/corpus are only read.
# A failing input is written to build/fuzz/artifacts/ and fails the run.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

seconds=${1:-20}
build=build/fuzz
mkdir -p "$build/artifacts" "$build/logs"

pids=()
names=()
for name in convert_encoding hex_dump; do
  mkdir -p "$build/corpus/$name"
  "$build/tests/fuzz/fuzz_$name" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/$name-" \
    "$build/corpus/$name" "tests/fuzz/corpus/$name" >"$build/logs/$name.log" 2>&1 &
  pids+=($!)
  names+=("$name")
done

failed=0
for i in "${!pids[@]}"; do
  log="$build/logs/${names[$i]}.log"
  if wait "${pids[$i]}"; then
    echo "fuzz_${names[$i]}: $(grep -o 'Done [0-9]* runs in [0-9]* second(s)' "$log")," \
      "corpus $(find "$build/corpus/${names[$i]}" -type f | wc -l) inputs"
  else
    echo "fuzz_${names[$i]} FAILED; the end of $log:" >&2
    tail -n 40 "$log" >&2
    failed=1
  fi
done
exit "$failed"

#!/usr/bin/env python3
"""The peer of hex_dump: CPython's bytes.hex().upper() on the same bytes.

Reads the gbk-<size>.bin files that `core_bench --write-inputs=DIR` wrote and
prints, as JSON, the best CPU time of one call per size in seconds, measured
like the benchmarks it is compared with.
"""
import json
import pathlib
import sys
import time
import timeit


def best_time(data: bytes) -> float:
    timer = timeit.Timer(lambda: data.hex().upper(), timer=time.process_time)
    number, _ = timer.autorange()
    return min(timer.repeat(repeat=5, number=number)) / number


def main() -> int:
    folder = pathlib.Path(sys.argv[1])
    times = {}
    for path in sorted(folder.glob("gbk-*.bin"), key=lambda p: int(p.stem.split("-")[1])):
        size = int(path.stem.split("-")[1])
        data = path.read_bytes()
        if len(data) != size:
            print(f"{path} holds {len(data)} bytes, expected {size}", file=sys.stderr)
            return 1
        times[size] = best_time(data)
    if not times:
        print(f"no gbk-*.bin in {folder}", file=sys.stderr)
        return 1
    json.dump(times, sys.stdout)
    return 0


if __name__ == "__main__":
    sys.exit(main())

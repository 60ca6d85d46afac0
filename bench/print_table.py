#!/usr/bin/env python3
"""Prints the benchmark table of scripts/bench.sh.

Arguments: pairs of MODE CORE_JSON PEER_JSON, one pair per malloc setting the
benchmarks ran under. Every figure is CPU time, the best of the repetitions,
since the machine may be busy with other work while the benchmarks run.
"""
import json
import sys

SIZES = [16, 1 << 10, 64 << 10, 1 << 20, 16 << 20]
TARGETS = ["GB18030", "UCS-2-INTERNAL", "UCS-2", "UTF-8", "UTF-7"]
SHORT = {"GB18030": "GB18030", "UCS-2-INTERNAL": "UCS2-INT", "UCS-2": "UCS-2",
         "UTF-8": "UTF-8", "UTF-7": "UTF-7"}


def size_name(n):
    if n >= 1 << 20:
        return f"{n >> 20} MiB"
    if n >= 1 << 10:
        return f"{n >> 10} KiB"
    return f"{n} B"


def duration(seconds):
    for unit, scale in (("s", 1), ("ms", 1e-3), ("us", 1e-6)):
        if seconds >= scale:
            return f"{seconds / scale:.3g} {unit}"
    return f"{seconds * 1e9:.3g} ns"


def load_core(path):
    """Best CPU time in seconds and the fault count of that run, by name."""
    scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}
    best = {}
    with open(path) as f:
        for run in json.load(f)["benchmarks"]:
            if run.get("run_type", "iteration") != "iteration" or run.get("error_occurred"):
                continue
            name = run["run_name"]
            seconds = run["cpu_time"] * scale[run["time_unit"]]
            if name not in best or seconds < best[name][0]:
                best[name] = (seconds, run.get("faults", 0.0))
    return best


def main(argv):
    modes = []
    for i in range(0, len(argv), 3):
        mode, core_path, peer_path = argv[i:i + 3]
        with open(peer_path) as f:
            peer = {int(k): v for k, v in json.load(f).items()}
        modes.append((mode, load_core(core_path), peer))

    head = (f"{'size':>6} {'malloc':<6} | convert / iconv floor:"
            + "".join(f" {SHORT[t]:>8}" for t in TARGETS)
            + f" | {'hex_dump':>9} {'/memcpy':>7} {'python':>9} {'py/hex':>7}"
            + f" | {'refresh':>9} {'ns/B':>6} {'faults':>7}")
    print(head)
    print("-" * len(head))
    verdicts = []
    for mode, core, peer in modes:
        def t(name):
            return core[name][0]

        for n in SIZES:
            ratios = "".join(f" {t(f'convert/{x}/{n}') / t(f'iconv_floor/{x}/{n}'):>8.3f}"
                             for x in TARGETS)
            hex_time = t(f"hex_dump/{n}")
            refresh_time, refresh_faults = core[f"refresh/{n}"]
            print(f"{size_name(n):>6} {mode:<6} | {'':22}{ratios}"
                  f" | {duration(hex_time):>9} {hex_time / t(f'memcpy/{n}'):>7.1f}"
                  f" {duration(peer[n]):>9} {peer[n] / hex_time:>7.1f}"
                  f" | {duration(refresh_time):>9} {refresh_time / n * 1e9:>6.1f}"
                  f" {refresh_faults:>7.0f}")

        small, large = 64 << 10, 16 << 20

        def growth(name):
            return (t(f"{name}/{large}") / large) / (t(f"{name}/{small}") / small)

        lin = "".join(f" {growth('convert/' + x):>8.2f}" for x in TARGETS)
        peer_growth = (peer[large] / large) / (peer[small] / small)
        print(f"{'':>6} {mode:<6} | {'per byte, 16MiB/64KiB':22}{lin}"
              f" | {growth('hex_dump'):>9.2f} {'':>7} {peer_growth:>9.2f} {'':>7}"
              f" | {growth('refresh'):>9.2f}")
        print("-" * len(head))

        worst_convert = max(t(f"convert/{x}/{n}") / t(f"iconv_floor/{x}/{n}")
                            for x in TARGETS for n in SIZES if n >= small)
        least_speedup = min(peer[n] / t(f"hex_dump/{n}") for n in SIZES)
        worst_growth = max([growth("convert/" + x) for x in TARGETS]
                           + [growth("hex_dump"), growth("refresh")])
        verdicts.append(
            f"{mode:<6}: convert/floor at 64 KiB and above, worst {worst_convert:.3f} (target 1.05)"
            f" {'met' if worst_convert <= 1.05 else 'MISSED'};"
            f" python/hex_dump, least {least_speedup:.1f}x (target 2)"
            f" {'met' if least_speedup >= 2 else 'MISSED'};"
            f" per-byte growth, worst {worst_growth:.2f} (target 1.3)"
            f" {'met' if worst_growth <= 1.3 else 'MISSED'}")
    print("\n".join(verdicts))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))

#!/usr/bin/env python3
"""Measures the launcher: its size against an empty program, and its time
from start to exit under Wine against a bare program that makes only the
same platform calls, and against the empty program. Prints one table.

    bench.py BUILDS_DIR [ROUNDS]

Runs are interleaved, in a new order each round and after a random pause,
so that a slow moment of the machine, or of Wine, falls on all three alike.
This is a measurement, not a test.
"""

import datetime
import os
import pathlib
import platform
import random
import shutil
import statistics
import subprocess
import sys
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests" / "system"))
import pe_image  # noqa: E402
import winelab  # noqa: E402


def machine():
    model = "unknown processor"
    for line in pathlib.Path("/proc/cpuinfo").read_text().splitlines():
        if line.startswith("model name"):
            model = line.partition(":")[2].strip()
            break
    wine = subprocess.run(["wine", "--version"], capture_output=True, text=True).stdout.strip()
    return "%s, %d cores, %s, %s" % (model, os.cpu_count(), platform.system() + " " + platform.release(), wine)


def wait_for_interpreter(runtime):
    """Waits until the stand-in has recorded its start and has gone."""
    if winelab.wait_for_record(runtime) is None:
        raise SystemExit("the interpreter did not start")
    deadline = time.monotonic() + 10
    while time.monotonic() < deadline:
        if subprocess.run(["pgrep", "-f", "tarvex.exe"], capture_output=True).returncode != 0:
            return
        time.sleep(0.01)


def main():
    builds = pathlib.Path(sys.argv[1]).resolve()
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 21
    sizes = pe_image.size_overhead(builds / "win32" / "launcher.exe", builds / "win32" / "bench" / "bench-empty.exe")

    programs = {
        "launcher": builds / "win64" / "launcher.exe",
        "bare calls": builds / "win64" / "bench" / "bench-bare.exe",
        "empty WinMain": builds / "win64" / "bench" / "bench-empty.exe",
    }
    starts_interpreter = {"launcher", "bare calls"}
    root = builds / "bench-run"
    shutil.rmtree(root, ignore_errors=True)
    prefix = winelab.Prefix(root)
    print("Preparing a Wine prefix in %s ..." % prefix.path, file=sys.stderr)
    prefix.create()
    times = {name: [] for name in programs}
    try:
        # bench-bare names this runtime folder itself (bench/CMakeLists.txt).
        runtime = prefix.install_runtime(builds / "win64" / "standin-tarvex.exe")
        player = root / "player"
        player.mkdir()
        names = list(programs)
        shuffle = random.Random(1)
        for round_number in range(-2, rounds):  # two rounds to warm up, not counted
            shuffle.shuffle(names)
            for name in names:
                # Wine's own timing comes in steps; a random pause keeps the
                # runs from falling into step with it.
                time.sleep(shuffle.uniform(0, 0.1))
                (runtime / winelab.RECORD).unlink(missing_ok=True)
                started = time.perf_counter()
                status, _, _ = prefix.run([programs[name]], cwd=player)
                elapsed = time.perf_counter() - started
                if status != 1:
                    raise SystemExit("%s exited with %d" % (name, status))
                if name in starts_interpreter:
                    wait_for_interpreter(runtime)
                if round_number >= 0:
                    times[name].append(elapsed * 1000)
    finally:
        prefix.close()

    median = {name: statistics.median(values) for name, values in times.items()}
    print("launcher benchmark, %s" % datetime.date.today().isoformat())
    print("machine: %s" % machine())
    print()
    print("| size (PE32 deliverable) | bytes |")
    print("| --- | ---: |")
    print("| launcher.exe | %d |" % sizes["launcher"])
    print("| its two payloads | %d |" % sizes["payloads"])
    print("| empty WinMain, same compiler and flags | %d |" % sizes["empty"])
    print("| overhead: launcher - payloads - empty | %d |" % sizes["overhead"])
    print()
    print("| start to exit under Wine (x86-64), %d interleaved runs | median ms | min ms | max ms |" % rounds)
    print("| --- | ---: | ---: | ---: |")
    for name, values in times.items():
        print("| %s | %.1f | %.1f | %.1f |" % (name, median[name], min(values), max(values)))
    print()
    print("| ratio of medians | |")
    print("| --- | ---: |")
    print("| launcher / bare calls | %.3f |" % (median["launcher"] / median["bare calls"]))
    print("| launcher / empty WinMain | %.3f |" % (median["launcher"] / median["empty WinMain"]))
    print("| bare calls / empty WinMain | %.3f |" % (median["bare calls"] / median["empty WinMain"]))
    return 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""The Python module's cost, side by side with the C++ API in one run:

- calculate of the example ship (four blades, etad 0.604) from Python against
  the same C++ call (BM_ApiCalculate of vdk_bench), in alternating rounds so
  that a change of the machine's load falls on both; the median of each;
- a 1,000-variant sweep (100 breadths by 10 draughts, etad found by passes)
  with jobs=2 and jobs=1: the median time and variants per second.

Build with -DVDK_PYTHON=ON -DVDK_BENCH=ON, then:

    PYTHONPATH=build-py/python python3 bench/python_bench.py --bench build-py/vdk_bench

Exits 1 when calculate adds more than 20 % or the jobs=2 sweep does fewer
than 3,000 variants/s.
"""

import argparse
import json
import os
import statistics
import subprocess
import sys
import time
from pathlib import Path

import vardelonteksa as v

EXAMPLE = Path(__file__).resolve().parents[1] / "examples" / "VARDELONTEKSA.TSK"


def cpp_round(bench, seconds):
    """One repetition of the C++ calculation: microseconds per call."""
    out = subprocess.run(
        [bench, "--benchmark_filter=^BM_ApiCalculate$", f"--benchmark_min_time={seconds}",
         "--benchmark_format=json"], capture_output=True, text=True, check=True).stdout
    (b,) = json.loads(out)["benchmarks"]
    assert b["time_unit"] == "us" and not b.get("error_occurred"), b
    return b["real_time"]


def python_round(ship, seconds):
    """One repetition of the Python calculation: microseconds per call."""
    calls, start = 0, time.perf_counter()
    while True:
        r = v.calculate(ship, blades=4, etad=0.604)
        calls += 1
        elapsed = time.perf_counter() - start
        if elapsed >= seconds:
            assert r.status == 0
            return elapsed / calls * 1e6


def main():
    p = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    p.add_argument("--bench", default="build-py/vdk_bench", help="the vdk_bench program")
    p.add_argument("--rounds", type=int, default=9)
    p.add_argument("--sweeps", type=int, default=5)
    a = p.parse_args()

    load = os.getloadavg()
    print(f"module {v.__file__}, version {v.__version__}, Python {sys.version.split()[0]}")
    print(f"{os.cpu_count()} cores, load average {load[0]:.2f} {load[1]:.2f} {load[2]:.2f}")

    ship = v.read_ship(EXAMPLE)
    python_round(ship, 0.1)  # warm-up
    cpp, py = [], []
    for _ in range(a.rounds):
        cpp.append(cpp_round(a.bench, 0.3))
        py.append(python_round(ship, 0.3))
    c, q = statistics.median(cpp), statistics.median(py)
    added = (q / c - 1) * 100
    print(f"calculate, example ship: C++ median {c:.1f} us, Python median {q:.1f} us, "
          f"{added:+.1f} % ({a.rounds} alternating rounds of 0.3 s; limit +20 %)")

    vary = {"B": [30 + 0.05 * k for k in range(100)], "T": [9 + 0.2 * k for k in range(10)]}
    rates = {}
    for jobs in (2, 1):
        times = []
        for _ in range(a.sweeps):
            start = time.perf_counter()
            rows = v.sweep(ship, vary, blades=4, jobs=jobs)
            times.append(time.perf_counter() - start)
            assert len(rows) == 1000 and any(r["status"] == 0 for r in rows)
        t = statistics.median(times)
        rates[jobs] = 1000 / t
        print(f"sweep, 1,000 variants, jobs={jobs}: median {t * 1000:.0f} ms, "
              f"{rates[jobs]:.0f} variants/s ({a.sweeps} runs)")
    ok = added <= 20 and rates[2] >= 3000
    print("within the limits" if ok else "OUTSIDE THE LIMITS (20 %, 3,000 variants/s)")
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())

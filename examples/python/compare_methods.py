#!/usr/bin/env python3
"""The classic method and the published ones (Holtrop & Mennen 1982, Holtrop
1984) side by side for one ship (the shipped example ship by default): the
total resistance at every speed, then the factors, the propeller and the
powers at the trial speed.

    python3 compare_methods.py [SHIP] [--blades 4]
"""

import argparse
from pathlib import Path

import vardelonteksa as v

EXAMPLE = Path(__file__).resolve().parents[1] / "VARDELONTEKSA.TSK"
METHODS = ("classic", "hm1982", "hm1984")
TRIAL = ("PE", "RT", "w", "t", "etaR", "eta0", "P/D", "N", "etad", "PB", "PB_required")


def number(x, width=11):
    if x is None or x != x:  # not computed
        return f"{'-':>{width}}"
    return f"{x:{width}.1f}" if abs(x) >= 100 else f"{x:{width}.4f}"


def main():
    p = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    p.add_argument("ship", nargs="?", default=EXAMPLE, help="a ship file (default: the example)")
    p.add_argument("--blades", type=float, default=4)
    a = p.parse_args()

    ship = v.read_ship(a.ship)
    results = {m: v.calculate(ship, blades=a.blades, method=m) for m in METHODS}
    head = "".join(f"{m:>11}" for m in METHODS)
    for m, r in results.items():
        if r.stop:
            print(f"{m}: the run stopped, {r.stop[0]}: {r.stop[1]}")

    print(f"RT (kN) by speed\n{'Vs kn':>15}{head}")
    first = results["classic"]
    for k, vs in enumerate(first.speeds["Vs"]):
        print(f"{vs:15.2f}" + "".join(number(r.speeds["RT"][k]) for r in results.values()))

    print(f"\nat the trial speed {first.trial['V_trial'] or 0:.2f} kn\n{'':>15}{head}")
    units = first.units
    for key in TRIAL:
        label = f"{key} {units[key]}".strip()
        print(f"{label:>15}" + "".join(number(r.trial[key]) for r in results.values()))


if __name__ == "__main__":
    main()

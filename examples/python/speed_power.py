#!/usr/bin/env python3
"""Resistance and power against speed for a ship (the shipped example ship by
default): a table on the console, and with matplotlib installed the R-V and
P-V figures as PNG files.

    python3 speed_power.py [SHIP] [--blades 4] [--method classic] [--out figures]
"""

import argparse
import math
from pathlib import Path

import vardelonteksa as v

EXAMPLE = Path(__file__).resolve().parents[1] / "VARDELONTEKSA.TSK"


def main():
    p = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    p.add_argument("ship", nargs="?", default=EXAMPLE, help="a ship file (default: the example)")
    p.add_argument("--blades", type=float, default=4)
    p.add_argument("--method", default="classic", choices=["classic", "hm1982", "hm1984"])
    p.add_argument("--out", default="figures", help="folder of the PNG files (default figures)")
    a = p.parse_args()

    r = v.calculate(v.read_ship(a.ship), blades=a.blades, method=a.method)
    if r.stop:
        print(f"the run stopped: {r.stop[0]} {r.stop[1]}")
    s, u = r.speeds, r.units
    print(f"{'Vs':>6} {'Fn':>6} {'RF':>8} {'RW':>8} {'RT':>8} {'PE':>9} {'PB':>9} {'N':>7}")
    print(f"{u['Vs']:>6} {'':>6} {u['RF']:>8} {u['RW']:>8} {u['RT']:>8} {u['PE']:>9} "
          f"{'kW':>9} {'rpm':>7}")
    # The brake power and rpm over the speed range: the minimum-service table.
    table = r.to_dict()["minimum_service"] or {}
    service = {row["Vs"]: row for row in table.get("rows", [])}
    for k, vs in enumerate(s["Vs"]):
        row = service.get(vs, {})
        pb, n = (math.nan if row.get(x) is None else row[x] for x in ("PB", "N"))
        print(f"{vs:6.2f} {s['Fn'][k]:6.3f} {s['RF'][k]:8.1f} {s['RW'][k]:8.1f} {s['RT'][k]:8.1f} "
              f"{s['PE'][k]:9.1f} {pb:9.1f} {n:7.1f}")
    t = r.trial
    if t["PB"] is not None:
        print(f"trial {t['V_trial']:.2f} kn: PB {t['PB']:.0f} kW, eta0 {t['eta0']:.3f}, "
              f"P/D {t['P/D']:.3f}, D {t['D']:.2f} m, N {t['N']:.1f} rpm")

    try:
        import matplotlib

        matplotlib.use("Agg")
        import matplotlib.pyplot as plt
    except ImportError:
        print("matplotlib is not installed: no figures (Debian: python3-matplotlib)")
        return
    out = Path(a.out)
    out.mkdir(parents=True, exist_ok=True)
    fig, ax = plt.subplots()
    for key in ("RF", "RAPP", "RW", "RB", "RTR", "RA", "RT"):
        ax.plot(s["Vs"], s[key], marker="o" if key == "RT" else None, label=key)
    ax.set(xlabel="Vs (kn)", ylabel="R (kN)", title="Resistance against speed")
    ax.legend()
    fig.savefig(out / "resistance.png", dpi=120)
    fig, ax = plt.subplots()
    ax.plot(s["Vs"], s["PE"], marker="o", label="PE")
    if service:
        vs = [x for x in s["Vs"] if service.get(x, {}).get("PB") is not None]
        ax.plot(vs, [service[x]["PB"] for x in vs], marker="s", label="PB (minimum service)")
    if t["PB"] is not None:
        ax.plot([t["V_trial"]], [t["PB"]], "k*", markersize=12, label="PB at trial")
    ax.set(xlabel="Vs (kn)", ylabel="P (kW)", title="Power against speed")
    ax.legend()
    fig.savefig(out / "power.png", dpi=120)
    print(f"figures: {out / 'resistance.png'}, {out / 'power.png'}")


if __name__ == "__main__":
    main()

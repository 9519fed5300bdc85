#!/usr/bin/env python3
"""A design sweep larger than one machine: the variants split into chunks,
each chunk a vardelonteksa.sweep on a worker of a Dask cluster, the rows
gathered in variant order into one CSV with the columns of `vardelonteksa
sweep`.

On one machine (a local cluster of worker processes):

    python3 dask_sweep.py ship.toml --vary B=30:34:0.05 --vary T=9:11:0.1 \\
        --blades 4 --workers 2 --out sweep.csv

On many machines: start `dask scheduler` on one, `dask worker tcp://HOST:8786`
on each of the others (each with the module installed), and point the script
at the scheduler:

    python3 dask_sweep.py ship.toml --vary ... --blades 4 \\
        --scheduler tcp://HOST:8786 --out sweep.csv

The ship is read here and sent to the workers (a Ship pickles as its named-key
text); the workers need the module, not the ship file. --vary takes
NAME=FROM:TO:STEP or NAME=V1,V2,... as the sweep command does, with the same
values.
"""

import argparse
import csv
import math
import sys

import vardelonteksa as v


def parse_vary(text):
    """NAME=FROM:TO:STEP or NAME=V1,V2,...: the values as `vardelonteksa sweep` makes them."""
    name, sep, rest = text.partition("=")
    if not sep:
        raise argparse.ArgumentTypeError(f"not NAME=FROM:TO:STEP or NAME=V1,V2,...: {text}")
    parts = rest.split(":")
    try:
        if len(parts) == 3:
            start, stop, step = (float(p) for p in parts)
            if not step > 0 or stop < start:
                raise ValueError
            # TO is reached when it lies on the steps within rounding.
            count = math.floor((stop - start) / step + 1e-6) + 1
            return name, [start + k * step for k in range(count)]
        return name, [float(x) for x in rest.split(",")]
    except ValueError:
        message = f"{name}: not a list or range of numbers: {rest}"
        raise argparse.ArgumentTypeError(message) from None


def chunks(grid, size):
    """Splits a grid [(key, values), ...] into sub-grids of at most about `size`
    variants, in variant order (the first key slowest): each chunk fixes the
    leading keys and takes a slice of the next key's values. Yields (offset,
    sub-grid), offset being the number of variants before the chunk."""

    def split(prefix, rest, offset):
        key, values = rest[0]
        inner = math.prod(len(vals) for _, vals in rest[1:])
        if len(rest) == 1 or inner <= size:
            step = max(1, size // max(inner, 1))
            for k in range(0, len(values), step):
                yield offset + k * inner, prefix + [(key, values[k : k + step])] + rest[1:]
        else:
            for k, x in enumerate(values):
                yield from split(prefix + [(key, [x])], rest[1:], offset + k * inner)

    if grid:
        yield from split([], grid, 0)


def run_chunk(ship, grid, options):
    """One chunk on a worker: the engine's own sweep on the worker's threads."""
    return v.sweep(ship, grid, **options)


def dask_sweep(client, ship, grid, options, chunk_size):
    """The rows of the whole sweep, computed chunk by chunk on the cluster."""
    parts = list(chunks(grid, chunk_size))
    ship_future = client.scatter(ship, broadcast=True)
    futures = [client.submit(run_chunk, ship_future, g, options, pure=False) for _, g in parts]
    rows = []
    for (offset, _), part in zip(parts, client.gather(futures)):
        for row in part:
            row["variant"] += offset  # numbered within its chunk
        rows.extend(part)
    return rows


def cell(x):
    """A cell as the sweep CSV writes it: empty for None, whole numbers without a point."""
    if x is None:
        return ""
    if isinstance(x, float) and x.is_integer() and abs(x) < 1e15:
        return str(int(x))
    return x


def write_csv(rows, path):
    with open(path, "w", newline="") as f:
        out = csv.writer(f, lineterminator="\r\n")
        if rows:
            out.writerow(rows[0].keys())
        for row in rows:
            out.writerow(cell(x) for x in row.values())


def main(argv=None):
    p = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    p.add_argument("ship", help="the ship file (data file or *.toml)")
    p.add_argument("--vary", action="append", type=parse_vary, required=True,
                   metavar="NAME=FROM:TO:STEP", help="a varied value (repeat for more)")
    p.add_argument("--blades", type=float)
    p.add_argument("--etad", default="auto", help="a value, or auto (found by passes; default)")
    p.add_argument("--etad-start", type=float, default=0.60)
    p.add_argument("--ear", type=float)
    p.add_argument("--consistent", action="store_true")
    p.add_argument("--method", default="classic", choices=["classic", "hm1982", "hm1984"])
    p.add_argument("--hold-cb", action="store_true")
    where = p.add_mutually_exclusive_group()
    where.add_argument("--scheduler", help="the address of a running scheduler, tcp://HOST:8786")
    where.add_argument("--workers", type=int, default=2,
                       help="without --scheduler: worker processes of a local cluster (default 2)")
    p.add_argument("--threads", type=int, default=1,
                   help="engine threads per chunk on a worker (default 1: one chunk per core)")
    p.add_argument("--chunk", type=int, default=100, help="variants per chunk (default 100)")
    p.add_argument("--out", default="sweep.csv", help="the CSV to write (default sweep.csv)")
    a = p.parse_args(argv)

    from dask.distributed import Client, LocalCluster

    ship = v.read_ship(a.ship)
    options = dict(blades=a.blades, etad=None if a.etad == "auto" else float(a.etad),
                   etad_start=a.etad_start, ear=a.ear, consistent=a.consistent,
                   method=a.method, jobs=a.threads, hold_cb=a.hold_cb)
    if a.scheduler:
        client = Client(a.scheduler)
        cluster = None
    else:
        cluster = LocalCluster(n_workers=a.workers, threads_per_worker=1, processes=True,
                               dashboard_address=None)
        client = Client(cluster)
    try:
        rows = dask_sweep(client, ship, a.vary, options, max(1, a.chunk))
    finally:
        client.close()
        if cluster is not None:
            cluster.close()
    write_csv(rows, a.out)
    failed = sum(1 for r in rows if r["status"] != 0)
    print(f"{len(rows)} variants, {failed} did not reach the normal end; rows in {a.out}",
          file=sys.stderr)
    return 1 if rows and failed == len(rows) else 0


if __name__ == "__main__":
    sys.exit(main())

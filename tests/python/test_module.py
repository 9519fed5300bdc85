"""The Python module against the program: the same run gives the same JSON
values, the same sweep the same CSV rows; the errors a script meets; sweeps
from two threads; the module without numpy and pandas; the Dask example."""

import copy
import csv
import json
import math
import os
import pickle
import struct
import subprocess
import sys
import threading
from pathlib import Path

import pytest
import vardelonteksa as v

SOURCE = Path(os.environ.get("VDK_SOURCE_DIR", Path(__file__).resolve().parents[2]))
PROGRAM = os.environ.get("VDK_PROGRAM", "vardelonteksa")
EXAMPLE = SOURCE / "examples" / "VARDELONTEKSA.TSK"


def f32(x):
    """A value as the engine's single-precision float (NaN and None alike: not computed)."""
    if x is None or (isinstance(x, float) and math.isnan(x)):
        return None
    return struct.unpack("f", struct.pack("f", x))[0]


def same(a, b):
    """Equal as the JSON file holds them: floats as float32, None for NaN."""
    if isinstance(a, dict) and isinstance(b, dict):
        return a.keys() == b.keys() and all(same(a[k], b[k]) for k in a)
    if isinstance(a, (list, tuple)) and isinstance(b, (list, tuple)):
        return len(a) == len(b) and all(same(x, y) for x, y in zip(a, b))
    if isinstance(a, (bool, str)) or isinstance(b, (bool, str)) or a is None or b is None:
        return a == b or (f32(a) is None and f32(b) is None)
    return f32(float(a)) == f32(float(b))


def program(tmp, *words):
    """Runs the program in a folder holding the example ship."""
    (tmp / "VARDELONTEKSA.TSK").write_bytes(EXAMPLE.read_bytes())
    command = words[:1] if words[0] == "sweep" else ()
    done = subprocess.run([PROGRAM, *command, "-C", str(tmp), *words[len(command):]],
                          capture_output=True, text=True, stdin=subprocess.DEVNULL)
    assert done.returncode == 0, done.stderr
    return done


def read_csv(path):
    with open(path, newline="") as f:
        return list(csv.DictReader(f))


def parsed(text):
    """A CSV cell as sweep() gives it: None when empty, a number, or text."""
    if text == "":
        return None
    try:
        return float(text)
    except ValueError:
        return text


def same_rows(rows, table):
    """Rows of sweep() against the rows of the sweep CSV, cell for cell."""
    assert len(rows) == len(table)
    for row, line in zip(rows, table):
        assert list(row) == list(line)
        for key, text in line.items():
            cell = row[key]
            if text == "":
                assert cell is None, key
            elif isinstance(cell, str):
                assert cell == text, key
            else:
                assert f32(cell) == f32(float(text)), (key, cell, text)


def test_example_ship_gives_the_values_of_the_json_file_of_the_same_run(tmp_path):
    program(tmp_path, "--etad", "auto", "--blades", "4", "--batch", "--json", "run.json")
    run = json.loads((tmp_path / "run.json").read_text())
    r = v.calculate(v.read_ship(tmp_path / "VARDELONTEKSA.TSK"), blades=4)
    assert r.status == run["status"] == 0 and r.stop is None and r.method == "classic"
    assert [c for c, _ in r.warnings] == [w["code"] for w in run["warnings"]]

    whole = r.to_dict()
    for d in (whole, run):
        d["program"].pop("run_date")
    assert same(whole, run)
    assert set(r.speeds) == set(v.Result.speed_keys())
    for key in r.speeds:
        assert same(list(r.speeds[key]), run["per_speed"][key]), key
        assert r.units[key] == run["units"].get(key, ""), key
    for key in r.trial:
        assert same(r.trial[key], run["trial"][key]), key
    assert r.trial["PB"] > 0 and r.selected["P/D"] > 0

    # The files of the result are the program's files.
    r.write_json(tmp_path / "lib.json")
    lib = json.loads((tmp_path / "lib.json").read_text())
    lib["program"].pop("run_date")
    assert lib == whole
    r.write_report(tmp_path / "en.son", lang="en")
    r.write_csv(tmp_path / "csv")
    r.write_plots(tmp_path / "plots")
    r.write_html(tmp_path / "page.html")
    assert "Total resistance" in (tmp_path / "en.son").read_text()
    assert (tmp_path / "csv" / "resistance.csv").exists() and any((tmp_path / "plots").iterdir())
    assert (tmp_path / "page.html").stat().st_size > 0

    stopped = v.calculate(EXAMPLE, blades=4, etad=0.45)  # the etad test stops the run
    assert stopped.status == 3 and stopped.stop[0] == "E301"
    assert stopped.trial["PB"] is None


@pytest.mark.parametrize("method", ["classic", "hm1984"])
def test_sweep_gives_the_rows_of_the_sweep_command(tmp_path, method):
    program(tmp_path, "sweep", "--vary", "B=31:33:1", "--vary", "T=9.5,10", "--etad", "auto",
            "--blades", "4", "--method", method, "--out", "sweep.csv")
    rows = v.sweep(EXAMPLE, {"B": [31, 32, 33], "T": [9.5, 10.0]}, blades=4, jobs=2,
                   method=method)
    same_rows(rows, read_csv(tmp_path / "sweep.csv"))
    assert [r["variant"] for r in rows] == list(range(1, 7))


def test_errors_are_python_exceptions_with_the_programs_message(tmp_path):
    with pytest.raises(OSError) as missing:
        v.read_ship(tmp_path / "no such ship.toml")
    assert isinstance(missing.value, v.FileError) and missing.value.code == "E101"
    with pytest.raises(OSError):
        v.calculate(tmp_path / "no such ship.TSK", blades=4)

    ship = v.read_ship(EXAMPLE)
    with pytest.raises(ValueError, match="hull.breadth"):
        ship["breadht"] = 30.0
    with pytest.raises(AttributeError, match="hull.breadth"):
        ship.breadht = 30.0
    with pytest.raises(ValueError, match="NSPEED"):
        v.sweep(ship, {"NSPEED": [5]}, blades=4)
    with pytest.raises(ValueError, match="allowed range"):
        ship.breadth = -1.0
    with pytest.raises(TypeError):
        ship["B"] = "wide"
    with pytest.raises(ValueError, match="area"):
        ship.set_appendage(1, math.nan)
    with pytest.raises(ValueError, match="form_factor"):
        ship.set_appendage(2, 10.0, form_factor=-1.0)
    with pytest.raises(TypeError):
        v.calculate(None, blades=4)
    assert ship["B"] == 32.0  # a refused value leaves the ship as it was
    assert ship.appendage(2) == (50.0, 1.5)
    with pytest.raises(ValueError, match="blades"):
        v.calculate(ship)  # a propulsion file without a blade number
    with pytest.raises(ValueError, match="blades"):
        v.sweep(ship, {"B": [31, 32]})
    for bad in (dict(blades=9), dict(blades=4, etad=1.5), dict(blades=4, ear=0.0),
                dict(blades=4, method="hm2000"), dict(blades=4, lang="de")):
        with pytest.raises(ValueError):
            v.calculate(ship, **bad)
    with pytest.raises(KeyError):
        v.calculate(ship, blades=4).speeds["no such column"]
    (tmp_path / "a file").write_text("")
    with pytest.raises(OSError):
        v.calculate(ship, blades=4).write_json(tmp_path / "a file" / "run.json")


def test_values_by_key_and_symbol_with_derived_values_following():
    ship = v.read_ship(SOURCE / "examples" / "ship.toml")
    assert ship.breadth == ship["B"] == ship["hull.breadth"] == 32.0
    assert "B" in ship and "breadht" not in ship and "breadth" in dir(ship)
    base = v.calculate(ship, blades=4).trial["PB"]

    wider = ship.copy()
    wider.breadth = 33.0
    wider["Ta"] = 11.0
    assert ship.breadth == 32.0 and wider["B"] == 33.0
    assert v.calculate(wider, blades=4).trial["PB"] != base

    # A ship pickles (as for Dask workers) and copies with all its values.
    for again in (pickle.loads(pickle.dumps(wider)), copy.deepcopy(wider)):
        assert again.to_toml() == wider.to_toml() and again.name == ship.name
        assert same(v.calculate(again, blades=4).to_dict()["per_speed"],
                    v.calculate(wider, blades=4).to_dict()["per_speed"])


def test_sweeps_from_two_threads_at_once_release_the_gil():
    vary = {"B": [30 + 0.1 * k for k in range(20)], "T": [9.0 + 0.2 * k for k in range(10)]}
    alone = v.sweep(EXAMPLE, vary, blades=4, jobs=1)
    results, errors, ticks = [None, None], [], 0

    def run(k):
        try:
            results[k] = v.sweep(EXAMPLE, vary, blades=4, jobs=2)
        except Exception as e:  # noqa: BLE001 - reported below
            errors.append(e)

    threads = [threading.Thread(target=run, args=(k,)) for k in range(2)]
    for t in threads:
        t.start()
    while any(t.is_alive() for t in threads):
        ticks += 1  # runs only while the engine does not hold the GIL
    for t in threads:
        t.join()
    assert not errors
    assert results[0] == alone and results[1] == alone
    assert ticks > 100


def test_module_without_numpy_and_pandas():
    script = (
        "import sys\n"
        "sys.modules['numpy'] = sys.modules['pandas'] = None\n"
        "import vardelonteksa as v\n"
        f"r = v.calculate({str(EXAMPLE)!r}, blades=4)\n"
        "assert type(r.speeds['RT']) is list and len(r.speeds['RT']) == 7\n"
        "try:\n"
        "    v.to_frame([])\n"
        "except ImportError as e:\n"
        "    assert 'pandas' in str(e)\n"
        "else:\n"
        "    raise AssertionError('to_frame without pandas')\n")
    done = subprocess.run([sys.executable, "-c", script], capture_output=True, text=True)
    assert done.returncode == 0, done.stderr


def test_dask_sweep_gives_the_rows_of_the_sweep_command(tmp_path):
    if not os.environ.get("VDK_PYTHON_REQUIRE_ALL"):
        pytest.importorskip("distributed", reason="the Dask example needs python3-distributed")
    vary = ["--vary", "B=30:34.75:0.25", "--vary", "T=9:10.8:0.2"]  # 20 x 10 variants
    program(tmp_path, "sweep", *vary, "--etad", "auto", "--blades", "4", "--out", "sweep.csv")
    done = subprocess.run(
        [sys.executable, str(SOURCE / "examples" / "python" / "dask_sweep.py"),
         str(tmp_path / "VARDELONTEKSA.TSK"), *vary, "--blades", "4", "--workers", "2",
         "--chunk", "30", "--out", str(tmp_path / "dask.csv")],
        capture_output=True, text=True, timeout=240)
    assert done.returncode == 0, done.stderr
    table = read_csv(tmp_path / "sweep.csv")
    assert len(table) == 200
    rows = [{k: parsed(x) for k, x in line.items()} for line in read_csv(tmp_path / "dask.csv")]
    same_rows(rows, table)

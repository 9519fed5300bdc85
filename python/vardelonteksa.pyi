"""VARDELONTEKSA: resistance and powering of a displacement ship (type stub)."""

import os
from collections.abc import Iterable, Iterator, Mapping
from typing import Any, Literal, Sequence, Union

_Path = Union[str, os.PathLike[str]]
_Method = Literal["classic", "hm1982", "hm1984"]
_Lang = Literal["tr", "en"]
_Vary = Union[Mapping[str, Iterable[float]], Iterable[tuple[str, Iterable[float]]]]
_Cell = Union[None, int, float, str]

__version__: str

def version() -> str:
    """The program's version, e.g. "1.4.0"."""

class Error(Exception):
    """An error of the engine, with the program's English message."""

    code: str  # the program's stop code, "E101", "E104", ...
    status: int  # the exit status the program gives
    report_lines: list[str]  # the lines its console shows

class InputError(Error, ValueError):
    """A value, a key, an option or a file that cannot be used."""

class FileError(Error, OSError):
    """A file that cannot be read or written."""

class Ship:
    """A ship: every particular of its data file.

    Values by named key as attributes (ship.breadth) or items
    (ship["breadth"], ship["hull.breadth"]), or by data-file symbol as items
    (ship["B"]); derived values follow every change. A value outside its
    range raises InputError and leaves the ship as it was.
    """

    name: str
    speeds: list[float]  # kn, 1 to 50 speeds
    wave_correction_factors: list[float]  # none, or 2 to 10
    @property
    def file_name(self) -> str: ...
    def __init__(self) -> None: ...
    def __getitem__(self, key: str) -> float: ...
    def __setitem__(self, key: str, value: float) -> None: ...
    def __contains__(self, key: str) -> bool: ...
    def __getattr__(self, key: str) -> float: ...
    def __setattr__(self, key: str, value: Any) -> None: ...
    @staticmethod
    def keys() -> list[str]:
        """The named keys ("breadth", ...); each is also an attribute."""
    @staticmethod
    def symbols() -> list[str]:
        """The data-file symbols ("B", "Ta", ...)."""
    def appendage(self, kind: int) -> tuple[float, float]:
        """Appendage kind 1..11: (wetted area m2, given 1+k2; 0: the default)."""
    def set_appendage(self, kind: int, area: float, form_factor: float = 0.0) -> None: ...
    def validate(self) -> None:
        """The checks of a run; InputError with the program's message."""
    def echo(self) -> str: ...
    def to_toml(self) -> str:
        """The ship as a named-key file's text."""
    def copy(self) -> Ship: ...
    def __copy__(self) -> Ship: ...
    def __deepcopy__(self, memo: Any) -> Ship: ...

def read_ship(path: _Path) -> Ship:
    """Reads a data file or a named-key file (*.toml).

    FileError (OSError) when it cannot be read, InputError (ValueError) when
    it does not read or fails the program's checks.
    """

def ship_from_toml(text: str, file_name: str = "ship.toml") -> Ship: ...

class ResultTable(Mapping[str, Any]):
    """The values of a result by the keys of its files (read-only)."""

    def __getitem__(self, key: str) -> Any: ...
    def __iter__(self) -> Iterator[str]: ...
    def __len__(self) -> int: ...

class Result:
    """The result of calculate(): one run of the ship."""

    @property
    def status(self) -> int:
        """0 normal end, 2 a calculation stop, 3 etad mismatch."""
    @property
    def method(self) -> _Method: ...
    @property
    def lang(self) -> _Lang: ...
    @property
    def stop(self) -> tuple[str, str] | None:
        """(code, message), or None after a normal end."""
    @property
    def warnings(self) -> list[tuple[str, str]]: ...
    @property
    def speeds(self) -> ResultTable:
        """Per-speed columns by key (Result.speed_keys()): numpy arrays when
        numpy can be imported, else lists of floats; NaN where not computed."""
    @property
    def units(self) -> ResultTable:
        """The unit of every per-speed and trial key ("" for a plain number)."""
    @property
    def trial(self) -> ResultTable:
        """The trial point by key (Result.trial_keys()): float, or None where
        the run did not get there."""
    @property
    def selected(self) -> dict[str, float] | None:
        """The report's selected-propeller block, or None."""
    @staticmethod
    def speed_keys() -> list[str]: ...
    @staticmethod
    def trial_keys() -> list[str]: ...
    @staticmethod
    def quantities() -> dict[str, dict[str, str]]:
        """{key: {symbol, unit, name, description}} of every key."""
    def to_json(self) -> str: ...
    def to_dict(self) -> dict[str, Any]:
        """The whole run with the JSON file's structure and keys."""
    def speeds_frame(self) -> Any:
        """A pandas DataFrame of the per-speed columns (needs pandas)."""
    def write_report(self, path: _Path, lang: _Lang | None = None) -> None: ...
    def write_json(self, path: _Path) -> None: ...
    def write_csv(self, folder: _Path) -> None: ...
    def write_plots(self, folder: _Path) -> None: ...
    def write_html(self, path: _Path) -> None: ...

def calculate(
    ship: Ship | _Path,
    *,
    blades: float | None = None,
    etad: float | None = None,
    etad_start: float = 0.60,
    ear: float | None = None,
    consistent: bool = False,
    method: _Method = "classic",
    lang: _Lang = "tr",
) -> Result:
    """Calculates a ship as one run of the program (etad None: found by passes)."""

def sweep(
    ship: Ship | _Path,
    vary: _Vary,
    *,
    blades: float | None = None,
    etad: float | None = None,
    etad_start: float = 0.60,
    ear: float | None = None,
    consistent: bool = False,
    method: _Method = "classic",
    jobs: int = 0,
    hold_cb: bool = False,
) -> list[dict[str, _Cell]]:
    """Every combination of the varied values (the first key slowest), on
    `jobs` engine threads (0: every core): one dict per variant, in variant
    order, with the columns of `vardelonteksa sweep`'s CSV (empty: None)."""

def to_frame(rows: Sequence[Mapping[str, _Cell]]) -> Any:
    """The rows of sweep() as a pandas DataFrame (needs pandas)."""

#!/usr/bin/env python3
"""Runs the Python module's tests with pytest, under this interpreter (the one
the module was built for) or another of the same ABI that has pytest, such
as Debian's python3 beside a pyenv one; exits 77 (skipped) when none has,
1 with VDK_PYTHON_REQUIRE_ALL set (CI)."""

import os
import shutil
import subprocess
import sys
import sysconfig

SKIPPED = 77


def candidates():
    version = f"python{sys.version_info.major}.{sys.version_info.minor}"
    seen = set()
    for exe in [sys.executable, shutil.which("python3"), shutil.which(version),
                "/usr/bin/python3", f"/usr/bin/{version}"]:
        if exe and os.path.exists(exe) and os.path.realpath(exe) not in seen:
            seen.add(os.path.realpath(exe))
            yield exe


def main():
    suffix = sysconfig.get_config_var("EXT_SUFFIX")
    probe = "import sysconfig, pytest; print(sysconfig.get_config_var('EXT_SUFFIX'))"
    for exe in candidates():
        found = subprocess.run([exe, "-c", probe], capture_output=True, text=True)
        if found.returncode == 0 and found.stdout.strip() == suffix:
            print(f"pytest under {exe}", flush=True)
            os.environ["PYTHONDONTWRITEBYTECODE"] = "1"
            pytest = [exe, "-m", "pytest", "-p", "no:cacheprovider", "-q", "-rs"]
            os.execv(exe, pytest + sys.argv[1:])
    print(f"SKIPPED: no Python interpreter with pytest for the module's ABI ({suffix}); "
          "install python3-pytest (Debian) or pytest for this interpreter")
    return 1 if os.environ.get("VDK_PYTHON_REQUIRE_ALL") else SKIPPED


if __name__ == "__main__":
    sys.exit(main())

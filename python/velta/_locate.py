"""Finding velta-cli: the caller's choice, VELTA_CLI, the checkout's build, PATH."""

import os
import shutil
import sys
from pathlib import Path

PROGRAM = "velta-cli.exe" if sys.platform == "win32" else "velta-cli"


def _beside_package():
    # python/velta/ inside a checkout, or beside velta-cli.exe in the Windows zip.
    top = Path(__file__).resolve().parent.parent.parent
    return [
        top / "build" / "src" / "cli" / PROGRAM,
        top / "dist" / PROGRAM,
        top / PROGRAM,
    ]


def find_cli(cli=None):
    if cli:
        return os.fspath(cli)
    if os.environ.get("VELTA_CLI"):
        return os.environ["VELTA_CLI"]
    for candidate in _beside_package():
        if candidate.is_file():
            return os.fspath(candidate)
    found = shutil.which(PROGRAM)
    if found:
        return found
    raise FileNotFoundError(
        f"{PROGRAM} not found: pass cli=, set VELTA_CLI, build the checkout or put it on PATH"
    )

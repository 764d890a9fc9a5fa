"""The program under test and the example files the commands load."""

import os
import subprocess
from pathlib import Path

import pytest

from velta._locate import find_cli

EXAMPLES = Path(__file__).resolve().parents[2] / "examples"


@pytest.fixture(scope="session")
def cli():
    return find_cli()


@pytest.fixture
def run_cli(cli, tmp_path):
    """The trace velta-cli writes for commands given on its command line."""

    def run(settings, words):
        trace = tmp_path / "cli-trace.jsonl"
        args = [cli, "--sim", "--virtual-time", f"--trace={trace}"]
        for setting in settings:
            args += ["--sim-set", setting]
        subprocess.run(args + words, capture_output=True, check=False, timeout=60)
        return trace.read_bytes()

    return run


@pytest.fixture
def serve(cli):
    """velta-cli --serve fed the given lines; the lines it answered."""

    def run(lines, options=("--sim", "--virtual-time")):
        done = subprocess.run(
            [cli, *options, "--serve"],
            input="".join(line + "\n" for line in lines),
            capture_output=True,
            encoding="utf-8",
            timeout=60,
            check=False,
        )
        return done.stdout.splitlines(), done.returncode

    return run


def example(name):
    return os.fspath(EXAMPLES / name)

"""The user guide's pytest bench runs and passes as printed."""

import os
import re
import subprocess
import sys
from pathlib import Path

TOP = Path(__file__).resolve().parents[2]


def test_the_guides_bench_passes(tmp_path):
    guide = (TOP / "docs" / "user-guide.md").read_text(encoding="utf-8")
    section = guide.split("## 7. Python test benches", 1)[1]
    code = re.search(r"```python\n(.*?)```", section, re.S).group(1)
    bench = tmp_path / "test_bench.py"
    bench.write_text(code, encoding="utf-8")
    env = dict(os.environ, PYTHONPATH=os.fspath(TOP / "python"))
    done = subprocess.run(
        [sys.executable, "-m", "pytest", "-q", "-p", "no:cacheprovider", os.fspath(bench)],
        cwd=TOP, env=env, capture_output=True, text=True, timeout=120, check=False,
    )
    assert done.returncode == 0, done.stdout
    assert "3 passed" in done.stdout

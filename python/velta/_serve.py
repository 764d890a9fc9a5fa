"""One ``velta-cli --serve`` process: a request line out, its answer line back."""

import json
import os
import subprocess
import threading

from velta._errors import ConsoleGone, MessageBox, NoDevice, RequestFailed
from velta._locate import find_cli

# Reads that end a console's answer wait this long for its program to exit.
_EXIT_WAIT = 10


def arguments(cli, sim, settings, trace, virtual_time):
    args = [find_cli(cli)]
    if sim:
        args.append("--sim")
    for setting in settings:
        args += ["--sim-set", setting]
    if trace is not None:
        args.append(f"--trace={os.fspath(trace)}")
    if virtual_time:
        args.append("--virtual-time")
    return args + ["--serve"]


class Served:
    def __init__(self, args, strict):
        self.strict = strict
        self._next_id = 1
        self._last_error = ""
        self._process = subprocess.Popen(
            args,
            stdin=subprocess.PIPE,
            stdout=subprocess.PIPE,
            stderr=subprocess.PIPE,
            encoding="utf-8",
            errors="replace",
            bufsize=1,
        )
        # Standard error is drained all along so that a trace or many
        # messages there never stall the program.
        self._stderr = threading.Thread(target=self._drain, daemon=True)
        self._stderr.start()

    def _drain(self):
        for line in self._process.stderr:
            if line.strip():
                self._last_error = line.rstrip("\n")

    def gone(self):
        try:
            status = self._process.wait(_EXIT_WAIT)
        except subprocess.TimeoutExpired:
            self._process.kill()
            status = self._process.wait()
        self._stderr.join(_EXIT_WAIT)
        return ConsoleGone(status, self._last_error)

    def request(self, words, progress=None):
        """The answer to one command; raises for what it brought about."""
        request_id = self._next_id
        self._next_id += 1
        line = json.dumps({"id": request_id, "cmd": [str(word) for word in words]})
        try:
            self._process.stdin.write(line + "\n")
            self._process.stdin.flush()
        except (BrokenPipeError, OSError, ValueError):
            raise self.gone() from None
        while True:
            raw = self._process.stdout.readline()
            if not raw:
                raise self.gone()
            answer = json.loads(raw)
            if "progress" not in answer:
                break
            if progress is not None:
                progress(answer["progress"])
        return self._judge(words, answer)

    def _judge(self, words, answer):
        if "id" not in answer:
            raise NoDevice(answer["error"])
        if not answer["ok"]:
            raise ValueError(answer["error"])
        if answer["boxes"]:
            first = answer["boxes"][0]
            raise MessageBox(first["caption"], first["text"], answer["boxes"], answer["out"])
        if answer["failed"] and self.strict:
            raise RequestFailed(
                " ".join(str(w) for w in words),
                answer["failed"],
                int(answer["hr"], 16),
                answer["out"],
            )
        return answer["out"]

    def close(self):
        """Ends the dialog as Cancel does (end of input) and waits for the program."""
        if self._process.poll() is None:
            try:
                self._process.stdin.close()
            except OSError:
                pass
        status = self._process.wait()
        self._stderr.join(_EXIT_WAIT)
        self._process.stdout.close()
        return status

"""velta-cli --serve fed lines directly: every line answered, none fatal."""

import json

from conftest import example

CASES = [
    ('{"id": 1, "cmd": ["fpga", "read", "1f"]}',
     '{"id": 1, "ok": true, "out": ["0x0005 (5)"], "boxes": [], "failed": 0}'),
    ("not json", '{"ok": false, "error": "malformed request: not one JSON value"}'),
    ("[1, 2]", '{"ok": false, "error": "malformed request: not a JSON object"}'),
    ('{"id": %s%s, "cmd": "show"}' % ("[" * 100000, "]" * 100000),
     '{"ok": false, "error": "malformed request: nested deeper than 64 levels"}'),
    ('{"id": 2}', '{"id": 2, "ok": false, "error": "malformed request: no \\"cmd\\""}'),
    ('{"id": 3, "cmd": []}',
     '{"id": 3, "ok": false, "error": '
     '"malformed request: \\"cmd\\" must be a list of words or one command line"}'),
    ('{"id": 4, "cmd": ["fpga", 1]}',
     '{"id": 4, "ok": false, "error": '
     '"malformed request: every word of \\"cmd\\" must be a string"}'),
    ('{"id": 5, "cmd": ["show", ";", "show"]}',
     '{"id": 5, "ok": false, "error": "malformed request: \\"cmd\\" must hold one command"}'),
    ('{"id": "six", "cmd": "fpga  read 1f"}',
     '{"id": "six", "ok": true, "out": ["0x0005 (5)"], "boxes": [], "failed": 0}'),
    ('{"id": 7, "cmd": ["fpga", "read"]}',
     '{"id": 7, "ok": false, "error": "fpga read: usage of this command: fpga read REG"}'),
    ('{"id": 8, "cmd": ["pca9537", "write", "0", "5"]}',
     '{"id": 8, "ok": true, "out": [], "boxes": [{"caption": "PCA9537 WRITE ERROR", '
     '"text": "Can\'t write to input register"}], "failed": 0}'),
    ('{"id": 9, "cmd": ["fpga", "read", "20"]}',
     '{"id": 9, "ok": true, "out": ["0xffffffff (-1)"], "boxes": [], "failed": 1, '
     '"hr": "0x8007001f"}'),
    ('{"id": 10, "cmd": ["load", "firmware", "/nonexistent/firmware.bin"]}',
     '{"id": 10, "ok": true, "out": [], "boxes": [], "failed": 0}'),
    ("{\"id\": 11, \"cmd\": [\"set\", \"1072\", \"\\u00e9\"]}",
     '{"id": 11, "ok": true, "out": [], "boxes": [], "failed": 0}'),
    ('{"id": 12, "cmd": ["get", "1072"]}',
     '{"id": 12, "ok": true, "out": ["\u00e9"], "boxes": [], "failed": 0}'),
]

OPTIONS = ("--sim", "--virtual-time", "--sim-set", "reg.1f=5", "--sim-set", "fail=fpga-get:20")


def test_each_line_gets_its_answer(serve):
    answers, status = serve([line for line, _ in CASES] + [""], OPTIONS)
    assert answers == [answer for _, answer in CASES]
    assert status == 0


def test_a_firmware_load_sends_progress_lines_first(serve):
    request = {"id": 3, "cmd": ["load", "firmware", example("firmware-100-bytes.bin")]}
    answers, _ = serve([json.dumps(request)])
    assert answers[:-1] == ['{"id": 3, "progress": %d}' % p for p in (32, 64, 96, 100)]
    assert json.loads(answers[-1])["ok"] is True


def test_no_device_answers_the_first_request_and_ends(serve):
    answers, status = serve(['{"id": 1, "cmd": ["show"]}', '{"id": 2, "cmd": ["show"]}'],
                            ("--sim", "--sim-set", "boards=0"))
    assert answers == ['{"ok": false, "error": "No device found: Velta Device"}']
    assert status == 1

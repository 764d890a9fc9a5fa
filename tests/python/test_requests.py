"""Each method sends the requests the command line sends for the same command."""

import os
import tempfile

import pytest

import velta
from conftest import example

FIRMWARE = example("firmware-100-bytes.bin")
# The same path in both runs of a case, so that the two traces can match.
SAVED = os.path.join(tempfile.gettempdir(), f"velta-saved-{os.getpid()}.bin")
SETTINGS = ["reg.1f=1234", "uart=5a", "eeprom.1.10=414243"]

# (method call, the command line's words, what the method returns)
CASES = [
    (lambda c: c.fpga_read(0x1F), ["fpga", "read", "1f"], 0x1234),
    (lambda c: c.fpga_read("0x1f"), ["fpga", "read", "0x1f"], 0x1234),
    (lambda c: c.fpga_write(0x20, 0xBEEF), ["fpga", "write", "20", "beef"], None),
    (lambda c: c.fpga_write4a(0x12), ["fpga", "write4a", "12"], None),
    (lambda c: c.emc2101_read(0x3E), ["emc2101", "read", "3e"], None),
    (lambda c: c.emc2101_write(0x4B, 0x20), ["emc2101", "write", "4b", "20"], None),
    (lambda c: c.pca9535_read(), ["pca9535", "read"], None),
    (lambda c: c.pca9535_write(0xA5F0), ["pca9535", "write", "a5f0"], None),
    (lambda c: c.pca9537_read(1), ["pca9537", "read", "1"], None),
    (lambda c: c.pca9537_write(1, 0x0C), ["pca9537", "write", "1", "c"], None),
    (lambda c: c.eeprom_read(1, 0x11), ["eeprom", "read", "1", "11"], 0x42),
    (lambda c: c.eeprom_write(2, 0x1FF, 0x7E), ["eeprom", "write", "2", "1ff", "7e"], None),
    (lambda c: c.ltc2633(3, 1, 0xABC), ["ltc2633", "3", "1", "abc"], None),
    (lambda c: c.gpio(45, True), ["gpio", "45", "1"], None),
    (lambda c: c.uart_write(0x41), ["uart", "write", "41"], None),
    (lambda c: c.uart_read(), ["uart", "read"], 0x5A),
    (lambda c: c.testbits(0x8001), ["testbits", "8001"], None),
    (lambda c: c.multibeam(2), ["multibeam", "2"], None),
    (lambda c: c.channel(3), ["channel", "3"], None),
    (lambda c: c.beam(5), ["beam", "5"], None),
    (lambda c: c.rfsource(2), ["rfsource", "2"], None),
    (lambda c: c.cdbeams(), ["cdbeams"], None),
    (lambda c: c.load("firmware", FIRMWARE), ["load", "firmware", FIRMWARE], None),
    (lambda c: c.load("tfc", example("tfc-16-lines.txt")),
     ["load", "tfc", example("tfc-16-lines.txt")], None),
    (lambda c: c.set(1072, "1f"), ["set", "1072", "1f"], None),
    (lambda c: c.click(1074), ["click", "1074"], None),
    (lambda c: c.get(1), ["get", "1"], "OK"),
    (lambda c: c.select(1060, 1), ["select", "1060", "1"], None),
    (lambda c: c.check(1058, 1), ["check", "1058", "1"], None),
    (lambda c: c.eeprom_dump(1, 0x10, 3), ["eeprom", "dump", "1", "10", "3"], [0x41, 0x42, 0x43]),
    (lambda c: c.fpga_dump(0x1E, 2), ["fpga", "dump", "1e", "2"], [0, 0x1234]),
    (lambda c: c.fpga_save(0x8000, 3, SAVED, bank=6), ["fpga", "save", "bank", "6", "8000", "3", SAVED],
     None),
    (lambda c: c.eeprom_save(1, 0x10, 3, SAVED), ["eeprom", "save", "1", "10", "3", SAVED], None),
]


@pytest.mark.parametrize("call, words, expected", CASES, ids=[" ".join(c[1][:3]) for c in CASES])
def test_method_sends_what_the_command_line_sends(call, words, expected, tmp_path, run_cli):
    trace = tmp_path / "serve-trace.jsonl"
    with velta.Console(sim=True, virtual_time=True, settings=SETTINGS, trace=trace) as console:
        result = call(console)
    assert trace.read_bytes() == run_cli(SETTINGS, words)
    if expected is not None:
        assert result == expected


def test_firmware_load_reports_its_progress():
    seen = []
    with velta.Console(sim=True, virtual_time=True) as console:
        console.load("firmware", FIRMWARE, progress=seen.append)
        assert console.verify("firmware", FIRMWARE) == 100
    assert seen == [32, 64, 96, 100]


def test_show_lists_every_control_parsed():
    with velta.Console(sim=True, virtual_time=True) as console:
        console.set(1072, 'a "b"\\')
        controls = {c["id"]: c for c in console.show()}
    assert controls[1] == {
        "id": 1, "kind": "button", "text": "OK", "check": 0, "sel": -1, "enabled": True
    }
    assert controls[1072]["text"] == 'a "b"\\'


def test_two_consoles_drive_separate_boards():
    with velta.Console(sim=True, virtual_time=True, settings=["reg.1f=5"]) as a, velta.Console(
        sim=True, virtual_time=True, settings=["reg.1f=6"]
    ) as b:
        a.fpga_write(0x20, 7)
        assert [a.fpga_read(0x1F), b.fpga_read(0x1F), a.fpga_read(0x20), b.fpga_read(0x20)] == [
            5, 6, 7, 0
        ]

"""What the dialog shows, turned into Python values."""

import re

_SHOW = re.compile(
    r'^(\d+) (\w+) "((?:[^"\\]|\\.)*)" check=(\d+) sel=(-?\d+) enabled=([01])$'
)
_ESCAPE = re.compile(r"\\(x[0-9a-f]{2}|.)")
_CD_BEAMS = re.compile(r":\s*(-?\d+)$")


def hex_field(what, text):
    try:
        return int(text, 16)
    except ValueError:
        raise ValueError(f"{what}: the dialog shows {text!r}, not a number") from None


def fpga_data(text):
    # "0x0005 (5)": the register's value in hexadecimal, then in decimal.
    return hex_field("fpga read", text.split(" ", 1)[0])


def cd_beams(caption):
    match = _CD_BEAMS.search(caption)
    return int(match.group(1)) if match else None


def _unescape(text):
    def one(match):
        code = match.group(1)
        return chr(int(code[1:], 16)) if code.startswith("x") else code

    return _ESCAPE.sub(one, text)


def show(lines):
    controls = []
    for line in lines:
        match = _SHOW.match(line)
        if match is None:
            raise ValueError(f"show: unexpected line {line!r}")
        ident, kind, text, check, sel, enabled = match.groups()
        controls.append(
            {
                "id": int(ident),
                "kind": kind,
                "text": _unescape(text),
                "check": int(check),
                "sel": int(sel),
                "enabled": enabled == "1",
            }
        )
    return controls


def dump(lines, width, cell, address, count):
    """The values of a hex dump from address on; None where a read failed."""
    values = {}
    for line in lines[1:]:
        row = int(line[:4], 16)
        for i in range(width):
            text = line[5 + cell * i : 5 + cell * (i + 1)].strip()
            if text:
                values[row + i] = None if text.startswith("X") else int(text, 16)
    return [values[at] for at in range(address, address + count)]

"""The console: one dialog, its named commands as methods."""

from velta import _parse
from velta._errors import VerifyFailed
from velta._serve import Served, arguments


def _hex(value):
    """A hexadecimal field's text: an int in hexadecimal, a str as it stands."""
    return format(value, "x") if isinstance(value, int) else value


class Console:
    """``velta-cli --serve`` on the simulated board (``sim=True``) or the device.

    Arguments given as ``int`` are written in the field's own notation
    (hexadecimal for the dialog's edit fields and test bits, decimal for
    indexes, lines and list entries); a ``str`` is typed as it stands.
    """

    def __init__(
        self, sim=None, settings=(), trace=None, virtual_time=False, strict=True, cli=None
    ):
        self._served = Served(arguments(cli, sim, settings, trace, virtual_time), strict)
        try:
            # The first answer tells whether discovery found a device.
            self.get(1)
        except BaseException:
            self._served.close()
            raise

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def close(self):
        """Ends the dialog as Cancel does; returns the program's exit status."""
        return self._served.close()

    @property
    def strict(self):
        return self._served.strict

    @strict.setter
    def strict(self, value):
        self._served.strict = value

    def command(self, *words, progress=None):
        """Any command of the command line; the lines it printed."""
        return self._served.request(words, progress)

    def _one(self, *words):
        return self.command(*words)[0]

    # Raw commands.
    def set(self, control, text=""):
        words = ["set", control] + ([text] if text != "" else [])
        self.command(*words)

    def get(self, control):
        return self._one("get", control)

    def select(self, control, index):
        self.command("select", control, index)

    def check(self, control, state):
        self.command("check", control, int(bool(state)))

    def click(self, control):
        self.command("click", control)

    def show(self):
        return _parse.show(self.command("show"))

    # Board chips.
    def emc2101_read(self, reg):
        return _parse.hex_field("emc2101 read", self._one("emc2101", "read", _hex(reg)))

    def emc2101_write(self, reg, data):
        self.command("emc2101", "write", _hex(reg), _hex(data))

    def pca9535_read(self):
        return _parse.hex_field("pca9535 read", self._one("pca9535", "read"))

    def pca9535_write(self, value):
        self.command("pca9535", "write", _hex(value))

    def pca9537_read(self, reg):
        return _parse.hex_field("pca9537 read", self._one("pca9537", "read", reg))

    def pca9537_write(self, reg, data):
        self.command("pca9537", "write", reg, _hex(data))

    def eeprom_read(self, chip, addr):
        return _parse.hex_field("eeprom read", self._one("eeprom", "read", chip, _hex(addr)))

    def eeprom_write(self, chip, addr, data):
        self.command("eeprom", "write", chip, _hex(addr), _hex(data))

    def ltc2633(self, cmd, dac, code):
        self.command("ltc2633", cmd, dac, _hex(code))

    def gpio(self, line, on):
        self.command("gpio", line, int(bool(on)))

    def uart_write(self, byte):
        self.command("uart", "write", _hex(byte))

    def uart_read(self):
        return _parse.hex_field("uart read", self._one("uart", "read"))

    # FPGA and beamformer.
    def fpga_read(self, reg):
        return _parse.fpga_data(self._one("fpga", "read", _hex(reg)))

    def fpga_write(self, reg, value):
        self.command("fpga", "write", _hex(reg), _hex(value))

    def fpga_write4a(self, value):
        self.command("fpga", "write4a", _hex(value))

    def testbits(self, word):
        self.command("testbits", _hex(word))

    def multibeam(self, n):
        self.command("multibeam", n)

    def channel(self, n):
        self.command("channel", n)

    def beam(self, n):
        self.command("beam", n)

    def rfsource(self, code):
        self.command("rfsource", code)

    def cdbeams(self):
        return _parse.cd_beams(self._one("cdbeams"))

    def load(self, kind, path, progress=None):
        """Loads firmware, ep1out, afe, apod, log or tfc from path; progress(percent)."""
        self.command("load", kind, path, progress=progress)

    # Reads beyond the dialog.
    def eeprom_dump(self, chip, addr, count):
        """Bytes of chip 0x50+chip from addr on; None where a read failed."""
        lines = self.command("eeprom", "dump", chip, _hex(addr), count)
        return _parse.dump(lines, 16, 3, addr if isinstance(addr, int) else int(addr, 16), count)

    def fpga_dump(self, addr, count):
        """FPGA registers from addr on; None where a read failed."""
        lines = self.command("fpga", "dump", _hex(addr), count)
        return _parse.dump(lines, 8, 5, addr if isinstance(addr, int) else int(addr, 16), count)

    def verify(self, kind, path):
        """Reads back what loading path as kind (firmware, ep1out, afe, apod, log)
        would write; the number of words (bytes for firmware) verified, or
        VerifyFailed when the board differs."""
        out = self.command("verify", kind, path)
        if not out:
            raise VerifyFailed(f"verify {kind} {path}: not verified (see the console's stderr)")
        return int(out[0].split()[1])

    def verify_firmware(self, path):
        """The number of bytes verified; VerifyFailed when the EEPROM differs."""
        return self.verify("firmware", path)

    def eeprom_save(self, chip, addr, count, path):
        """count bytes of chip 0x50+chip from addr on into path, raw."""
        self.command("eeprom", "save", chip, _hex(addr), count, path)

    def firmware_save(self, count, path):
        """The first count bytes of the firmware image into path."""
        self.command("firmware", "save", count, path)

    def fpga_save(self, addr, count, path, bank=None):
        """count FPGA registers from addr on into path, one decimal number a line;
        bank selects the table window's bank for the read."""
        if bank is None:
            self.command("fpga", "save", _hex(addr), count, path)
        else:
            self.command("fpga", "save", "bank", _hex(bank), _hex(addr), count, path)

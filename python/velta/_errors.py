"""What a console raises besides ValueError (a usage error, in the CLI's words)."""


class MessageBox(Exception):
    """The dialog showed a message box; ``boxes`` holds every box of the command."""

    def __init__(self, caption, text, boxes=(), out=()):
        super().__init__(f"{caption}: {text}")
        self.caption = caption
        self.text = text
        self.boxes = list(boxes)
        self.out = list(out)


class RequestFailed(Exception):
    """Requests to the device failed; ``hresult`` is the first failure's code."""

    def __init__(self, command, count, hresult, out=()):
        super().__init__(f"{command}: {count} request(s) failed, first 0x{hresult:08x}")
        self.count = count
        self.hresult = hresult
        self.out = list(out)


class NoDevice(Exception):
    """Discovery found no device: "No device found: Velta Device"."""


class ConsoleGone(Exception):
    """The console's program ended; ``status`` is its exit status."""

    def __init__(self, status, stderr):
        detail = f": {stderr}" if stderr else ""
        super().__init__(f"velta-cli ended with status {status}{detail}")
        self.status = status
        self.stderr = stderr


class VerifyFailed(Exception):
    """The EEPROM does not hold the file; the console's standard error says where."""

"""The Velta Editor console for Python test benches.

One ``velta-cli --serve`` per :class:`Console`, on the simulated board or on
the device, driven through the command line's own commands.
"""

from velta._console import Console
from velta._errors import ConsoleGone, MessageBox, NoDevice, RequestFailed, VerifyFailed

__all__ = [
    "Console",
    "ConsoleGone",
    "MessageBox",
    "NoDevice",
    "RequestFailed",
    "VerifyFailed",
]

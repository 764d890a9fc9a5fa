"""What a console raises, and that it goes on after what it can go on after."""

import pytest

import velta


def console(*settings, **options):
    return velta.Console(sim=True, virtual_time=True, settings=settings, **options)


def test_a_message_box_raises_with_its_caption_and_text():
    with console() as c:
        with pytest.raises(velta.MessageBox) as raised:
            c.pca9537_write(0, 5)
        assert c.fpga_read(0x1F) == 0
    assert (raised.value.caption, raised.value.text) == (
        "PCA9537 WRITE ERROR",
        "Can't write to input register",
    )


def test_failed_requests_raise_unless_not_strict():
    with console("reg.1f=5", "fail=fpga-get:1f") as c:
        with pytest.raises(velta.RequestFailed) as raised:
            c.fpga_read(0x1F)
        c.strict = False
        assert c.fpga_read(0x1F) == 0xFFFFFFFF
        assert c.fpga_dump(0x1E, 2) == [0, None]
    assert (raised.value.count, raised.value.hresult) == (1, 0x8007001F)


def test_no_device_raises_at_the_opening():
    with pytest.raises(velta.NoDevice, match="^No device found: Velta Device$"):
        console("boards=0")


@pytest.mark.parametrize(
    "call, words",
    [
        (lambda c: c.eeprom_dump(9, 0, 1), "eeprom dump 9 0 1: invalid CHIP (0 to 7) '9'"),
        (lambda c: c.channel(999), "channel 999: no entry '999' in 1061 (entries '1' to '128')"),
        (lambda c: c.command("fpga"), "fpga: fpga needs one of: read, write, write4a, dump, save"),
    ],
)
def test_a_usage_error_raises_value_error_in_the_command_lines_words(call, words):
    with console("reg.1f=5") as c:
        with pytest.raises(ValueError) as raised:
            call(c)
        assert c.fpga_read(0x1F) == 5
    assert str(raised.value) == words


def test_a_field_without_a_number_raises_value_error():
    with console() as c, pytest.raises(ValueError, match="eeprom read: the dialog shows ''"):
        c.eeprom_read(0, "zz")


def test_a_mismatching_eeprom_fails_verification(tmp_path):
    image = tmp_path / "image.bin"
    image.write_bytes(b"\x01\x02")
    with console() as c, pytest.raises(velta.VerifyFailed):
        c.verify_firmware(image)


def test_a_console_that_ended_raises_console_gone():
    with console() as c:
        c.click(1)
        with pytest.raises(velta.ConsoleGone) as raised:
            c.fpga_read(0x1F)
    assert raised.value.status == 0


def test_a_program_that_cannot_start_raises_console_gone_with_its_last_words():
    with pytest.raises(velta.ConsoleGone) as raised:
        console("bogus=1")
    assert raised.value.status == 2
    assert raised.value.stderr.startswith("Usage: velta-cli")

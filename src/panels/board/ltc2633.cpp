// LTC2633 command composer: command and address nibbles from the selectors'
// indexes, the code byte from the field.
#include "platform/dialog/hex_field.hpp"
#include "ui/velta_editor_dlg.hpp"

namespace {

constexpr std::uint16_t kLtc2633 = 0x10;

} // namespace

void CVeltaEditorDlg::OnBnClickedLtc2633Write() {
  const std::int32_t code = dlg::ParseHexField(m_EditLtc2633Data.GetWindowText(), 0);
  const int command = m_ComboLtc2633Command.GetCurSel();
  const int dac = m_ComboLtc2633Dac.GetCurSel();
  // No selection (-1) gives the nibble 0xF, as the masks make it.
  const std::uint8_t bytes[3] = {
      static_cast<std::uint8_t>(((command << 4) & 0xF0) | (dac & 0x0F)),
      static_cast<std::uint8_t>(code < 0     ? 0
                                : code > 255 ? 255
                                             : code),
      0,
  };
  WriteI2c(kLtc2633, bytes, 3);
}

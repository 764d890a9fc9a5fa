// The GPIO check boxes drive their lines at once; the UART moves one byte.
#include "panels/common/field_format.hpp"
#include "platform/dialog/hex_field.hpp"
#include "ui/velta_editor_dlg.hpp"

// An auto check box has already toggled when its click arrives; a failed set
// leaves the box showing the new state.
void CVeltaEditorDlg::SendGpioFromBox(CButton& box, std::uint16_t line) {
  const auto level = static_cast<std::uint8_t>(box.GetCheck());
  SetGpio(line, &level);
}

void CVeltaEditorDlg::OnBnClickedPowerOn() {
  SendGpioFromBox(m_CheckPowerOn, 26);
}
void CVeltaEditorDlg::OnBnClickedI2cEnable() {
  SendGpioFromBox(m_CheckI2cEnable, 27);
}
void CVeltaEditorDlg::OnBnClickedGpio45() {
  SendGpioFromBox(m_CheckGpio45, 45);
}
void CVeltaEditorDlg::OnBnClickedGpio50() {
  SendGpioFromBox(m_CheckGpio50, 50);
}
void CVeltaEditorDlg::OnBnClickedGpio51() {
  SendGpioFromBox(m_CheckGpio51, 51);
}
void CVeltaEditorDlg::OnBnClickedGpio52() {
  SendGpioFromBox(m_CheckGpio52, 52);
}
void CVeltaEditorDlg::OnBnClickedGpio57() {
  SendGpioFromBox(m_CheckGpio57, 57);
}

void CVeltaEditorDlg::OnBnClickedUartWrite() {
  const std::int32_t value = dlg::ParseHexField(m_EditUartData.GetWindowText(), -1);
  if (value < 0)
    return;
  const auto byte = static_cast<std::uint8_t>(value);
  WriteUart(&byte, 1);
}

void CVeltaEditorDlg::OnBnClickedUartRead() {
  std::uint8_t byte = 0xFF;
  ReadUart(&byte, 1);
  m_EditUartData.SetWindowText(panels::Hex(byte));
}

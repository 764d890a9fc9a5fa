// The GPIO check boxes drive their lines at once; the UART moves one byte.
#include "panels/common/field_format.hpp"
#include "platform/dialog/hex_field.hpp"
#include "ui/gpio_wiring.hpp"
#include "ui/velta_editor_dlg.hpp"

// An auto check box has already toggled when its click arrives; a failed set
// leaves the box showing the new state.
void CVeltaEditorDlg::SendGpioFromBox(int id) {
  const auto level = static_cast<std::uint8_t>(Host().GetCheck(id));
  SetGpio(GpioLineOf(id), &level);
}

void CVeltaEditorDlg::OnBnClickedPowerOn() {
  SendGpioFromBox(IDC_POWER_ON);
}
void CVeltaEditorDlg::OnBnClickedI2cEnable() {
  SendGpioFromBox(IDC_I2C_ENABLE);
}
void CVeltaEditorDlg::OnBnClickedGpio45() {
  SendGpioFromBox(IDC_GPIO45);
}
void CVeltaEditorDlg::OnBnClickedGpio50() {
  SendGpioFromBox(IDC_GPIO50);
}
void CVeltaEditorDlg::OnBnClickedGpio51() {
  SendGpioFromBox(IDC_GPIO51);
}
void CVeltaEditorDlg::OnBnClickedGpio52() {
  SendGpioFromBox(IDC_GPIO52);
}
void CVeltaEditorDlg::OnBnClickedGpio57() {
  SendGpioFromBox(IDC_GPIO57);
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

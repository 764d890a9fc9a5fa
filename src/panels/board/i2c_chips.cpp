// EMC2101 and PCA9535 register access: the fields are the only state.

#include "device/board_map.hpp"
#include "panels/common/field_format.hpp"
#include "platform/dialog/hex_field.hpp"
#include "ui/velta_editor_dlg.hpp"

using board::kEmc2101;
using board::kPca9535;

void CVeltaEditorDlg::OnBnClickedEmc2101Write() {
  const std::int32_t reg = dlg::ParseHexField(m_EditEmc2101Reg.GetWindowText(), -1);
  const std::int32_t data = dlg::ParseHexField(m_EditEmc2101Data.GetWindowText(), -1);
  if (reg < 0 || data < 0)
    return;
  const std::uint8_t bytes[2] = {static_cast<std::uint8_t>(reg), static_cast<std::uint8_t>(data)};
  WriteI2c(kEmc2101, bytes, 2);
}

void CVeltaEditorDlg::OnBnClickedEmc2101Read() {
  const std::int32_t reg = dlg::ParseHexField(m_EditEmc2101Reg.GetWindowText(), -1);
  if (reg < 0)
    return;
  const std::uint8_t pointer = static_cast<std::uint8_t>(reg);
  WriteI2c(kEmc2101, &pointer, 1);
  std::uint8_t value = 0xFF;
  ReadI2c(kEmc2101, &value, 1);
  m_EditEmc2101Data.SetWindowText(panels::Hex(value));
}

// The field's low byte is the register number and its second byte the data.
void CVeltaEditorDlg::OnBnClickedPca9535Write() {
  const std::int32_t value = dlg::ParseHexField(m_EditPca9535Data.GetWindowText(), -1);
  if (value < 0)
    return;
  const std::uint8_t bytes[2] = {static_cast<std::uint8_t>(value),
                                 static_cast<std::uint8_t>(value >> 8)};
  WriteI2c(kPca9535, bytes, 2);
}

// Shows register 1 in the high byte and register 0 in the low byte; the
// presets show for a byte the chip did not supply.
void CVeltaEditorDlg::OnBnClickedPca9535Read() {
  const std::uint8_t reg0 = 0x00;
  const std::uint8_t reg1 = 0x01;
  std::uint8_t low = 0xAA;
  std::uint8_t high = 0x55;
  WriteI2c(kPca9535, &reg0, 1);
  ReadI2c(kPca9535, &low, 1);
  WriteI2c(kPca9535, &reg1, 1);
  ReadI2c(kPca9535, &high, 1);
  m_EditPca9535Data.SetWindowText(panels::Hex(high * 256u + low));
}

// PCA9537 register access and single EEPROM bytes.
#include "device/board_map.hpp"
#include "panels/common/field_format.hpp"
#include "platform/dialog/hex_field.hpp"
#include "ui/velta_editor_dlg.hpp"

using board::kFirstEeprom;
using board::kPca9537;

void CVeltaEditorDlg::OnBnClickedPca9537Write() {
  const std::string text = m_EditPca9537Data.GetWindowText();
  const int reg = m_ComboPca9537Reg.GetCurSel();
  if (reg == 0) {
    MessageBox("Can't write to input register", "PCA9537 WRITE ERROR", dlg::MB_ICONERROR);
    return;
  }
  const std::int32_t data = dlg::ParseHexField(text, -1);
  if (reg < 0 || data < 0)
    return;
  const std::uint8_t bytes[2] = {static_cast<std::uint8_t>(reg), static_cast<std::uint8_t>(data)};
  WriteI2c(kPca9537, bytes, 2);
}

void CVeltaEditorDlg::OnBnClickedPca9537Read() {
  const int reg = m_ComboPca9537Reg.GetCurSel();
  if (reg < 0)
    return;
  const std::uint8_t pointer = static_cast<std::uint8_t>(reg);
  WriteI2c(kPca9537, &pointer, 1);
  std::uint8_t value = 0xFF;
  ReadI2c(kPca9537, &value, 1);
  m_EditPca9537Data.SetWindowText(panels::Hex(value));
}

// The memory address travels high byte first, as the firmware loader sends it.
void CVeltaEditorDlg::OnBnClickedAt24c64Write() {
  const int chip = m_ComboAt24c64Chip.GetCurSel();
  if (chip < 0)
    return;
  const std::int32_t address = dlg::ParseHexField(m_EditAt24c64Addr.GetWindowText(), -1);
  const std::int32_t data = dlg::ParseHexField(m_EditAt24c64Data.GetWindowText(), -1);
  if (address < 0 || data < 0)
    return;
  const std::uint8_t bytes[3] = {static_cast<std::uint8_t>(address >> 8),
                                 static_cast<std::uint8_t>(address),
                                 static_cast<std::uint8_t>(data)};
  WriteI2c(static_cast<std::uint16_t>(kFirstEeprom + chip), bytes, 3);
}

void CVeltaEditorDlg::OnBnClickedAt24c64Read() {
  const int chip = m_ComboAt24c64Chip.GetCurSel();
  if (chip < 0)
    return;
  const std::int32_t address = dlg::ParseHexField(m_EditAt24c64Addr.GetWindowText(), -1);
  if (address < 0)
    return;
  const auto device = static_cast<std::uint16_t>(kFirstEeprom + chip);
  const std::uint8_t pointer[2] = {static_cast<std::uint8_t>(address >> 8),
                                   static_cast<std::uint8_t>(address)};
  WriteI2c(device, pointer, 2);
  std::uint8_t value = 0xFF;
  ReadI2c(device, &value, 1);
  m_EditAt24c64Data.SetWindowText(panels::Hex(value));
}

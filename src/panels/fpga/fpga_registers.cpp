// Single FPGA registers: read into the display and the write row, write with a
// get first, and the write to register 4AH.
#include <cstdio>
#include <string>

#include "device/requests.hpp"
#include "platform/dialog/hex_field.hpp"
#include "ui/velta_editor_dlg.hpp"

namespace {

constexpr std::uint16_t kRegister4A = 0x4A;

std::string Format(const char* format, std::int32_t value) {
  char text[32];
  std::snprintf(text, sizeof text, format, value, value);
  return text;
}

} // namespace

void CVeltaEditorDlg::OnBnClickedFpgaRead() {
  const std::string text = m_EditFpgaReadReg.GetWindowText();
  m_EditFpgaWriteReg.SetWindowText(text);
  const std::int32_t address = dlg::ParseHexField(text, -1);
  if (address < 0)
    return;
  std::int32_t result = -1;
  std::uint16_t value = 0;
  if (ReadFpgaRegister(static_cast<std::uint32_t>(address), &value) == ks::S_OK)
    result = value;
  m_StaticFpgaData.SetWindowText(Format("0x%04x (%d)", result));
  m_EditFpgaWriteData.SetWindowText(Format("0x%04x", result));
}

// A value the register already holds is written again through the block form.
// Above 0xFFFF the block's 16-bit address would name another register, so
// such an address always takes the single-register set.
void CVeltaEditorDlg::OnBnClickedWriteToFpga() {
  const std::int32_t address = dlg::ParseHexField(m_EditFpgaWriteReg.GetWindowText(), -1);
  if (address < 0)
    return;
  const auto value =
      static_cast<std::uint16_t>(dlg::ParseHexField(m_EditFpgaWriteData.GetWindowText(), 0));
  std::uint16_t current = 0;
  if (ReadFpgaRegister(static_cast<std::uint32_t>(address), &current) != ks::S_OK)
    return;
  if (value != current || address > 0xFFFF) {
    WriteFpgaRegister(static_cast<std::uint32_t>(address), &value);
    return;
  }
  const auto block = RepeatedPairBlock(static_cast<std::uint16_t>(address), value);
  WriteRegisterPairs(block.data(), static_cast<std::uint32_t>(block.size()));
}

void CVeltaEditorDlg::OnBnClickedWriteTo4ah() {
  const auto value =
      static_cast<std::uint16_t>(dlg::ParseHexField(m_EditReg4aData.GetWindowText(), 0));
  const auto block = RepeatedPairBlock(kRegister4A, value);
  WriteRegisterPairs(block.data(), static_cast<std::uint32_t>(block.size()));
}

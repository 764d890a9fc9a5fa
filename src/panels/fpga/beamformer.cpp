// Test bits, the beam selectors, the RF source and the CD beam count.
#include <cstdio>

#include "device/requests.hpp"
#include "ui/velta_editor_dlg.hpp"

namespace {

constexpr std::uint16_t kTestBitsRegister = 0x41;
constexpr std::uint16_t kRfSourceRegister = 0x42;
constexpr std::uint32_t kCdBeamsFirst = 0x1F;
constexpr std::uint32_t kCdBeamsSecond = 0x1D;
constexpr const char* kCdBeamsUnknown = "Read CD Beams: ???";

} // namespace

void CVeltaEditorDlg::OnBnClickedSetTestBits() {
  m_TestBits = 0;
  for (int i = 0; i < 16; ++i)
    if (m_CheckTestBit[i].GetCheck() != 0)
      m_TestBits |= static_cast<std::uint16_t>(0x8000u >> i);
  const auto block = RepeatedPairBlock(kTestBitsRegister, m_TestBits);
  WriteRegisterPairs(block.data(), static_cast<std::uint32_t>(block.size()));
}

void CVeltaEditorDlg::OnCbnSelchangeMultiBeam() {
  m_device.SetShortProperty(kMultiBeamId, static_cast<std::uint32_t>(m_ComboMultiBeam.GetCurSel()));
}

void CVeltaEditorDlg::OnCbnSelchangeAfeChannel() {
  const auto channel = static_cast<std::uint32_t>(m_ComboAfeChannel.GetCurSel());
  const auto beam = static_cast<std::uint32_t>(m_ComboBeamIndex.GetCurSel());
  m_device.SetShortProperty(kChannelAndBeamId, (channel & 0x7F) | ((beam & 0x1FF) << 7));
}

void CVeltaEditorDlg::OnCbnSelchangeBeamIndex() {
  OnCbnSelchangeAfeChannel();
}

// Read-modify-write of bits 9..8. When the get fails nothing is written: a set
// from a zero preset would clear every other bit of the register.
void CVeltaEditorDlg::OnCbnSelchangeRfSource() {
  if (!DeviceReady())
    return;
  const int source = m_ComboRfSource.GetCurSel();
  std::uint16_t value = 0;
  if (ks::Failed(ReadFpgaRegister(kRfSourceRegister, &value)))
    return;
  value = static_cast<std::uint16_t>((value & 0xFCFF) | ((source & 3) << 8));
  WriteFpgaRegister(kRfSourceRegister, &value);
}

void CVeltaEditorDlg::OnBnClickedReadCdBeams() {
  std::uint16_t first = 0;
  std::uint16_t second = 0;
  if (ReadFpgaRegister(kCdBeamsFirst, &first) != ks::S_OK ||
      ReadFpgaRegister(kCdBeamsSecond, &second) != ks::S_OK) {
    m_ButtonReadCdBeams.SetWindowText(kCdBeamsUnknown);
    return;
  }
  char caption[40];
  std::snprintf(caption, sizeof caption, "Read CD Beams: %d", int{first} - int{second} + 1);
  m_ButtonReadCdBeams.SetWindowText(caption);
}

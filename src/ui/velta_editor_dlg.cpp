#include "ui/velta_editor_dlg.hpp"

#include <string>
#include <vector>

#include "device/requests.hpp"
#include "ui/dialog_template.hpp"
#include "ui/gpio_wiring.hpp"
#include "ui/resource.hpp"

namespace {

constexpr const char* kLtc2633Commands[] = {
    "0. Write to input register X",
    "1. Update DAC X",
    "2. Write to input register X, update all DACs",
    "3. Write to input register and update all DACs",
    "4. Power down X",
    "5. Power down chip",
    "6. Select internal reference",
    "7. Select external reference",
};
constexpr const char* kLtc2633Dacs[] = {"0. X = DAC A", "1. X = DAC B", "2. X = All DACs"};
constexpr const char* kPca9537Registers[] = {"0. Input Port", "1. Output Port",
                                             "2. Polarity Inversion", "3. Configuration"};
constexpr const char* kRfSources[] = {"Source 00", "Source 01", "Source 10", "Source 11"};

// "1" to "count": the channel and beam lists show index + 1.
std::vector<std::string> Numbered(int first, int count) {
  std::vector<std::string> texts;
  texts.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i)
    texts.push_back(std::to_string(first + i));
  return texts;
}

template <std::size_t N> void Fill(CComboBox& combo, const char* const (&texts)[N]) {
  for (const char* text : texts)
    combo.AddString(text);
}

} // namespace

CVeltaEditorDlg::CVeltaEditorDlg(dlg::DialogHost& host, ks::DeviceCatalog& catalog,
                                 ks::Recorder& recorder)
    : CDialog(kVeltaEditorTemplate, host), m_catalog(catalog), m_clock(recorder.clock()),
      m_hIcon(IDR_MAINFRAME) {
  m_device.SetRecorder(&recorder);
}

// The channel goes with the dialog, before the application uninitialises COM.
CVeltaEditorDlg::~CVeltaEditorDlg() {
  m_device.Release();
}

void CVeltaEditorDlg::DoDataExchange(CDataExchange& dx) {
  DDX_Control(dx, IDC_EMC2101_REG, m_EditEmc2101Reg);
  DDX_Control(dx, IDC_EMC2101_DATA, m_EditEmc2101Data);
  DDX_Control(dx, IDC_PCA9535_DATA, m_EditPca9535Data);
  DDX_Control(dx, IDC_PROGRESS_TEXT, m_StaticProgress);
  DDX_Control(dx, IDC_PROGRESS, m_Progress);
  DDX_Control(dx, IDC_LTC2633_COMMAND, m_ComboLtc2633Command);
  DDX_Control(dx, IDC_LTC2633_DAC, m_ComboLtc2633Dac);
  DDX_Control(dx, IDC_LTC2633_DATA, m_EditLtc2633Data);
  DDX_Control(dx, IDC_POWER_ON, m_CheckPowerOn);
  DDX_Control(dx, IDC_I2C_ENABLE, m_CheckI2cEnable);
  DDX_Control(dx, IDC_GPIO45, m_CheckGpio45);
  DDX_Control(dx, IDC_EP1OUT_START, m_EditEp1outStart);
  DDX_Control(dx, IDC_FILE_NAME, m_StaticFileName);
  DDX_Control(dx, IDC_PCA9537_DATA, m_EditPca9537Data);
  DDX_Control(dx, IDC_PCA9537_REG, m_ComboPca9537Reg);
  DDX_Control(dx, IDC_AT24C64_CHIP, m_ComboAt24c64Chip);
  DDX_Control(dx, IDC_AT24C64_ADDR, m_EditAt24c64Addr);
  DDX_Control(dx, IDC_AT24C64_DATA, m_EditAt24c64Data);
  DDX_Control(dx, IDC_GPIO50, m_CheckGpio50);
  DDX_Control(dx, IDC_GPIO51, m_CheckGpio51);
  DDX_Control(dx, IDC_GPIO52, m_CheckGpio52);
  DDX_Control(dx, IDC_GPIO57, m_CheckGpio57);
  DDX_Control(dx, IDC_UART_DATA, m_EditUartData);
  for (int i = 0; i < 16; ++i)
    DDX_Control(dx, IDC_TEST_BIT15 + i, m_CheckTestBit[i]);
  DDX_Control(dx, IDC_MULTI_BEAM, m_ComboMultiBeam);
  DDX_Control(dx, IDC_AFE_CHANNEL, m_ComboAfeChannel);
  DDX_Control(dx, IDC_REG4A_DATA, m_EditReg4aData);
  DDX_Control(dx, IDC_BEAM_INDEX, m_ComboBeamIndex);
  DDX_Control(dx, IDC_RF_SOURCE, m_ComboRfSource);
  DDX_Control(dx, IDC_READ_CD_BEAMS, m_ButtonReadCdBeams);
  DDX_Control(dx, IDC_FPGA_READ_REG, m_EditFpgaReadReg);
  DDX_Control(dx, IDC_FPGA_DATA, m_StaticFpgaData);
  DDX_Control(dx, IDC_FPGA_WRITE_REG, m_EditFpgaWriteReg);
  DDX_Control(dx, IDC_FPGA_WRITE_DATA, m_EditFpgaWriteData);
}

bool CVeltaEditorDlg::OnInitDialog() {
  CDialog::OnInitDialog();

  Host().SetIcon(m_hIcon, true);
  Host().SetIcon(m_hIcon, false);

  m_Progress.SetRange(0, 100);
  m_Progress.SetPos(0);
  m_StaticProgress.SetWindowText("0 %");

  Fill(m_ComboLtc2633Command, kLtc2633Commands);
  Fill(m_ComboLtc2633Dac, kLtc2633Dacs);
  m_ComboLtc2633Command.SetCurSel(0);
  m_ComboLtc2633Dac.SetCurSel(2);

  Fill(m_ComboPca9537Reg, kPca9537Registers);
  m_ComboPca9537Reg.SetCurSel(0);

  m_ComboAt24c64Chip.AddStrings(Numbered(0, 8));
  m_ComboAt24c64Chip.SetCurSel(7);

  for (const GpioBox& gpio : kGpioBoxes) {
    std::uint8_t level = 0;
    GetGpio(gpio.line, &level);
    Host().SetCheck(gpio.id, level);
  }

  m_ComboMultiBeam.AddStrings(Numbered(0, 4));
  m_ComboMultiBeam.SetCurSel(0);
  m_ComboAfeChannel.AddStrings(Numbered(1, 128));
  m_ComboBeamIndex.AddStrings(Numbered(1, 512));
  Fill(m_ComboRfSource, kRfSources);
  m_ComboAfeChannel.SetCurSel(0);
  m_ComboBeamIndex.SetCurSel(0);

  std::uint32_t channelAndBeam = 0;
  m_device.GetShortProperty(kChannelAndBeamId, &channelAndBeam);
  m_ComboAfeChannel.SetCurSel(static_cast<int>(channelAndBeam & 0x7F));
  m_ComboBeamIndex.SetCurSel(static_cast<int>((channelAndBeam >> 7) & 0x1FF));

  if (DeviceReady()) {
    std::uint16_t rfSource = 0;
    ReadFpgaRegister(0x42, &rfSource);
    m_ComboRfSource.SetCurSel((rfSource >> 8) & 3);
  } else {
    m_ComboRfSource.SetCurSel(0);
  }
  m_ComboRfSource.EnableWindow(DeviceReady());
  return true;
}

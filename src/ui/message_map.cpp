#include "ui/resource.hpp"
#include "ui/velta_editor_dlg.hpp"

namespace {

using N = dlg::Notification;
using D = CVeltaEditorDlg;

const MessageMapEntry<D> kMessageMap[] = {
    {N::Clicked, IDC_EMC2101_WRITE, &D::OnBnClickedEmc2101Write},
    {N::Clicked, IDC_EMC2101_READ, &D::OnBnClickedEmc2101Read},
    {N::Clicked, IDC_PCA9535_WRITE, &D::OnBnClickedPca9535Write},
    {N::Clicked, IDC_PCA9535_READ, &D::OnBnClickedPca9535Read},
    {N::Clicked, IDC_LOAD_FIRMWARE, &D::OnBnClickedLoadFirmware},
    {N::Clicked, IDC_LTC2633_WRITE, &D::OnBnClickedLtc2633Write},
    {N::Clicked, IDC_POWER_ON, &D::OnBnClickedPowerOn},
    {N::Clicked, IDC_I2C_ENABLE, &D::OnBnClickedI2cEnable},
    {N::Clicked, IDC_GPIO45, &D::OnBnClickedGpio45},
    {N::Clicked, IDC_EP1OUT_FILE_LOAD, &D::OnBnClickedEp1outFileLoad},
    {N::Clicked, IDC_PCA9537_WRITE, &D::OnBnClickedPca9537Write},
    {N::Clicked, IDC_PCA9537_READ, &D::OnBnClickedPca9537Read},
    {N::Clicked, IDC_AT24C64_WRITE, &D::OnBnClickedAt24c64Write},
    {N::Clicked, IDC_AT24C64_READ, &D::OnBnClickedAt24c64Read},
    {N::Clicked, IDC_GPIO50, &D::OnBnClickedGpio50},
    {N::Clicked, IDC_GPIO51, &D::OnBnClickedGpio51},
    {N::Clicked, IDC_GPIO52, &D::OnBnClickedGpio52},
    {N::Clicked, IDC_GPIO57, &D::OnBnClickedGpio57},
    {N::Clicked, IDC_UART_WRITE, &D::OnBnClickedUartWrite},
    {N::Clicked, IDC_UART_READ, &D::OnBnClickedUartRead},
    {N::Clicked, IDC_SET_TEST_BITS, &D::OnBnClickedSetTestBits},
    {N::SelChange, IDC_MULTI_BEAM, &D::OnCbnSelchangeMultiBeam},
    {N::SelChange, IDC_AFE_CHANNEL, &D::OnCbnSelchangeAfeChannel},
    {N::Clicked, IDC_WRITE_TO_4AH, &D::OnBnClickedWriteTo4ah},
    {N::SelChange, IDC_BEAM_INDEX, &D::OnCbnSelchangeBeamIndex},
    {N::Clicked, IDC_APOD_FILTER_LOAD, &D::OnBnClickedApodFilterLoad},
    {N::SelChange, IDC_RF_SOURCE, &D::OnCbnSelchangeRfSource},
    {N::Clicked, IDC_LOGARITHM_LOAD, &D::OnBnClickedLogarithmLoad},
    {N::Clicked, IDC_READ_CD_BEAMS, &D::OnBnClickedReadCdBeams},
    {N::Clicked, IDC_FPGA_READ, &D::OnBnClickedFpgaRead},
    {N::Clicked, IDC_TFC_LOAD, &D::OnBnClickedTfcLoad},
    {N::Clicked, IDC_AFE_TABLE_FILE_LOAD, &D::OnBnClickedAfeTableFileLoad},
    {N::Clicked, IDC_WRITE_TO_FPGA, &D::OnBnClickedWriteToFpga},
};

} // namespace

std::span<const MessageMapEntry<D>> CVeltaEditorDlg::MessageMap() {
  return kMessageMap;
}

bool CVeltaEditorDlg::RouteCommand(int id, dlg::Notification code) {
  return DispatchMessageMap<D>(*this, kMessageMap, code, id);
}

// The console's one dialog. It owns the device link from discovery until it is
// destroyed; every button and selector reaches one of its handlers through the
// message map. Handlers live beside their panel or loader.
#pragma once

#include <cstdint>
#include <span>

#include "device/device_link.hpp"
#include "platform/dialog/cdialog.hpp"
#include "platform/ks/catalog.hpp"
#include "platform/ks/clock.hpp"
#include "platform/ks/recorder.hpp"

class CVeltaEditorDlg : public CDialog {
public:
  // Discovery binds through catalog; every call on the bound channel and every
  // pause goes through the recorder, whose clock paces the loaders.
  CVeltaEditorDlg(dlg::DialogHost& host, ks::DeviceCatalog& catalog, ks::Recorder& recorder);
  ~CVeltaEditorDlg() override;

  // Discovery: binds the device's control channel; true when one is bound.
  bool FindDevice() { return m_device.FindDevice(m_catalog); }
  bool DeviceReady() const { return m_device.DeviceReady(); }
  bool HasChannel() const { return m_device.HasChannel(); }
  ks::KsControl* Channel() const { return m_device.Channel(); }

  // Request primitives.
  ks::HResult WriteI2c(std::uint16_t address, const std::uint8_t* data, std::int32_t count) {
    return m_device.WriteI2c(address, data, count);
  }
  ks::HResult ReadI2c(std::uint16_t address, std::uint8_t* buffer, std::int32_t count) {
    return m_device.ReadI2c(address, buffer, count);
  }
  ks::HResult SetGpio(std::uint16_t line, const std::uint8_t* level) {
    return m_device.SetGpio(line, level);
  }
  ks::HResult GetGpio(std::uint16_t line, std::uint8_t* level) {
    return m_device.GetGpio(line, level);
  }
  ks::HResult WriteUart(const std::uint8_t* data, std::int32_t count) {
    return m_device.WriteUart(data, count);
  }
  ks::HResult ReadUart(std::uint8_t* buffer, std::int32_t count) {
    return m_device.ReadUart(buffer, count);
  }
  ks::HResult ReadFpgaRegister(std::uint32_t address, std::uint16_t* value) {
    return m_device.ReadFpgaRegister(address, value);
  }
  ks::HResult WriteFpgaRegister(std::uint32_t address, const std::uint16_t* value) {
    return m_device.WriteFpgaRegister(address, value);
  }
  ks::HResult WriteRegisterPairs(const std::uint8_t* pairs, std::uint32_t byteCount) {
    return m_device.WriteRegisterPairs(pairs, byteCount);
  }

  // Board panel.
  void OnBnClickedEmc2101Write();
  void OnBnClickedEmc2101Read();
  void OnBnClickedPca9535Write();
  void OnBnClickedPca9535Read();
  void OnBnClickedLtc2633Write();
  void OnBnClickedPca9537Write();
  void OnBnClickedPca9537Read();
  void OnBnClickedAt24c64Write();
  void OnBnClickedAt24c64Read();
  void OnBnClickedPowerOn();
  void OnBnClickedI2cEnable();
  void OnBnClickedGpio45();
  void OnBnClickedGpio50();
  void OnBnClickedGpio51();
  void OnBnClickedGpio52();
  void OnBnClickedGpio57();
  void OnBnClickedUartWrite();
  void OnBnClickedUartRead();

  // FPGA panel.
  void OnBnClickedFpgaRead();
  void OnBnClickedWriteToFpga();
  void OnBnClickedWriteTo4ah();
  void OnBnClickedSetTestBits();
  void OnCbnSelchangeMultiBeam();
  void OnCbnSelchangeAfeChannel();
  void OnCbnSelchangeBeamIndex();
  void OnCbnSelchangeRfSource();
  void OnBnClickedReadCdBeams();

  // Loaders.
  void OnBnClickedLoadFirmware();
  void OnBnClickedEp1outFileLoad();
  void OnBnClickedAfeTableFileLoad();
  void OnBnClickedApodFilterLoad();
  void OnBnClickedLogarithmLoad();
  void OnBnClickedTfcLoad();
  void SendApodFilterFile(const char* path);
  void SendLogarithmFile(const char* path);
  void SendTfcFile(const char* path);

  // The routing table: notification, control, handler.
  static std::span<const MessageMapEntry<CVeltaEditorDlg>> MessageMap();

protected:
  void DoDataExchange(CDataExchange& dx) override;
  bool OnInitDialog() override;
  bool RouteCommand(int id, dlg::Notification code) override;

private:
  // Sets a check box's GPIO line to the state of the box.
  void SendGpioFromBox(int id);
  // The text loaders' shared file choice; calls send with the chosen path.
  void ChooseTableFile(void (CVeltaEditorDlg::*send)(const char*));

  ks::DeviceCatalog& m_catalog;
  ks::Clock& m_clock;

  DeviceLink m_device; // device-ready flag and control channel
  int m_hIcon;         // icon resource shown by the dialog

  CEdit m_EditEmc2101Reg;
  CEdit m_EditEmc2101Data;
  CEdit m_EditPca9535Data;
  CStatic m_StaticProgress;
  CProgressCtrl m_Progress;
  CComboBox m_ComboLtc2633Command;
  CComboBox m_ComboLtc2633Dac;
  CEdit m_EditLtc2633Data;
  CButton m_CheckPowerOn;
  CButton m_CheckI2cEnable;
  CButton m_CheckGpio45;
  CEdit m_EditEp1outStart;
  CStatic m_StaticFileName;
  CEdit m_EditPca9537Data;
  CComboBox m_ComboPca9537Reg;
  CComboBox m_ComboAt24c64Chip;
  CEdit m_EditAt24c64Addr;
  CEdit m_EditAt24c64Data;
  CButton m_CheckGpio50;
  CButton m_CheckGpio51;
  CButton m_CheckGpio52;
  CButton m_CheckGpio57;
  CEdit m_EditUartData;
  CButton m_CheckTestBit[16]; // [0] is bit 15 (IDC_TEST_BIT15), [15] is bit 0
  std::uint16_t m_TestBits = 0;
  CComboBox m_ComboMultiBeam;
  CComboBox m_ComboAfeChannel;
  CEdit m_EditReg4aData;
  CComboBox m_ComboBeamIndex;
  CComboBox m_ComboRfSource;
  CButton m_ButtonReadCdBeams;
  CEdit m_EditFpgaReadReg;
  CStatic m_StaticFpgaData;
  CEdit m_EditFpgaWriteReg;
  CEdit m_EditFpgaWriteData;
};

// The console's dialog on the headless host, bound to a simulated board with
// virtual time, plus a per-test temporary folder for the files it loads.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "device/requests.hpp"
#include "platform/headless/headless_host.hpp"
#include "platform/ks/ks_property.hpp"
#include "sim/simulator.hpp"
#include "ui/resource.hpp"
#include "ui/velta_editor_dlg.hpp"

using Bytes = std::vector<std::uint8_t>;

// Records what the loaders do to the progress controls.
class RecordingHost : public dlg::HeadlessHost {
public:
  void UpdateWindow(int id) override { repaints.push_back(id); }

  std::vector<int> positions;
  std::vector<std::string> progressTexts;
  std::vector<int> repaints;

protected:
  int DoSetPos(int id, int pos) override {
    if (id == IDC_PROGRESS)
      positions.push_back(pos);
    return HeadlessHost::DoSetPos(id, pos);
  }
  void DoSetWindowText(int id, std::string_view text) override {
    if (id == IDC_PROGRESS_TEXT)
      progressTexts.emplace_back(text);
    HeadlessHost::DoSetWindowText(id, text);
  }
};

// One expected trace entry: a property call (record and data) or a pause.
struct Call {
  Bytes property;
  Bytes data;
};
struct Pause {
  std::uint32_t ms;
};
using Expected = std::variant<Call, Pause>;

inline Bytes ToBytes(const Record& record) {
  return Bytes(record.begin(), record.end());
}

inline Call PairsCall(Bytes data) {
  return {ToBytes(DeviceRequest(kRegisterPairBlockId, ks::KSPROPERTY_TYPE_SET, 0, 0, 0,
                                static_cast<std::uint16_t>(data.size()))),
          std::move(data)};
}
inline Call FpgaGet(std::uint32_t address, std::uint16_t answer) {
  return {ToBytes(FpgaRegisterRequest(ks::KSPROPERTY_TYPE_GET, address)),
          Bytes{static_cast<std::uint8_t>(answer), static_cast<std::uint8_t>(answer >> 8)}};
}
inline Call FpgaSet(std::uint32_t address, std::uint16_t value) {
  return {ToBytes(FpgaRegisterRequest(ks::KSPROPERTY_TYPE_SET, address)),
          Bytes{static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)}};
}
inline Call I2cWriteCall(std::uint16_t device, Bytes data) {
  return {ToBytes(DeviceRequest(kDeviceVendorRequestId, ks::KSPROPERTY_TYPE_SET, REQ_I2C_WRITE, 0,
                                device, static_cast<std::uint16_t>(data.size()))),
          std::move(data)};
}
inline Bytes Repeat(std::uint16_t address, std::uint16_t value, std::size_t times) {
  Bytes out;
  for (std::size_t i = 0; i < times; ++i)
    AppendPair(out, address, value);
  return out;
}

class LoaderTest : public ::testing::Test {
protected:
  // Binds a board set up by settings (none: no board, so no channel).
  void Start(std::vector<std::string> settings = {}, bool bind = true) {
    dialog.reset();
    sim = std::make_unique<sim::Simulator>(settings, sim::TimeMode::Virtual);
    recorder = std::make_unique<ks::Recorder>(sim->clock());
    dialog = std::make_unique<CVeltaEditorDlg>(host, sim->catalog(), *recorder);
    if (bind) {
      ASSERT_TRUE(dialog->FindDevice());
    }
    host.Open(*dialog);
    recorder->trace().Clear();
    host.positions.clear();
    host.progressTexts.clear();
    host.repaints.clear();
  }

  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "_" + info->name();
    for (char& c : name)
      if (c == '/')
        c = '_';
    dir = std::filesystem::temp_directory_path() / ("velta-loaders-" + name);
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
  }
  void TearDown() override {
    dialog.reset();
    std::filesystem::remove_all(dir);
  }

  std::string WriteFile(const std::string& name, const std::string& content) {
    const auto path = dir / name;
    std::ofstream(path, std::ios::binary) << content;
    return path.string();
  }
  std::string WriteFile(const std::string& name, const Bytes& content) {
    return WriteFile(name, std::string(content.begin(), content.end()));
  }
  // A sparse file of the given size.
  std::string SizedFile(const std::string& name, std::uintmax_t size) {
    const auto path = dir / name;
    std::ofstream(path, std::ios::binary).put('\x01');
    std::filesystem::resize_file(path, size);
    return path.string();
  }

  // Loads path through the button's handler.
  void Load(int button, const std::string& path) {
    host.QueueFile(path);
    host.Click(button);
  }

  std::vector<ks::PropertyEvent> Calls() const {
    std::vector<ks::PropertyEvent> calls;
    for (const auto& e : recorder->trace().events())
      if (const auto* p = std::get_if<ks::PropertyEvent>(&e))
        calls.push_back(*p);
    return calls;
  }

  // The whole trace, pauses included, against the expected entries.
  void ExpectTrace(const std::vector<Expected>& expected) const {
    const auto& events = recorder->trace().events();
    ASSERT_EQ(events.size(), expected.size());
    for (std::size_t i = 0; i < events.size(); ++i) {
      SCOPED_TRACE(i);
      if (const auto* pause = std::get_if<Pause>(&expected[i])) {
        const auto* sleep = std::get_if<ks::SleepEvent>(&events[i]);
        ASSERT_NE(sleep, nullptr);
        EXPECT_EQ(sleep->ms, pause->ms);
        continue;
      }
      const auto& call = std::get<Call>(expected[i]);
      const auto* p = std::get_if<ks::PropertyEvent>(&events[i]);
      ASSERT_NE(p, nullptr);
      EXPECT_EQ(p->property, call.property);
      EXPECT_EQ(p->length, call.data.size());
      // Gets compare the answer, sets what was handed over.
      EXPECT_EQ(call.property[20] == ks::KSPROPERTY_TYPE_GET ? p->out : p->data, call.data);
    }
  }

  std::size_t CallsSoFar() const { return sim->faults().callCount(); }

  RecordingHost host;
  std::unique_ptr<sim::Simulator> sim;
  std::unique_ptr<ks::Recorder> recorder;
  std::unique_ptr<CVeltaEditorDlg> dialog;
  std::filesystem::path dir;
};

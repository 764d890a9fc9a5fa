// A console opened on the simulated board through the headless host, with
// helpers to state the exact requests a user action sends.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "device/requests.hpp"
#include "platform/headless/headless_host.hpp"
#include "sim/simulator.hpp"
#include "ui/resource.hpp"
#include "ui/velta_editor_dlg.hpp"

namespace support {

using Bytes = std::vector<std::uint8_t>;

// A request as the board saw it: the property record and the data handed over.
struct Request {
  Bytes property;
  Bytes data;
  friend bool operator==(const Request&, const Request&) = default;
};

inline void PrintTo(const Request& r, std::ostream* os) {
  static const char* digits = "0123456789abcdef";
  auto hex = [&](const Bytes& b) {
    for (auto v : b)
      *os << digits[v >> 4] << digits[v & 15];
  };
  *os << "{prop ";
  hex(r.property);
  *os << " data ";
  hex(r.data);
  *os << "}";
}

template <std::size_t N> Bytes B(const std::array<std::uint8_t, N>& a) {
  return Bytes(a.begin(), a.end());
}

inline Request I2cWrite(std::uint16_t address, Bytes data) {
  return {
      B(DeviceRequest(0, 2, REQ_I2C_WRITE, 0, address, static_cast<std::uint16_t>(data.size()))),
      std::move(data)};
}
// A read as handed over: the caller's preset bytes.
inline Request I2cRead(std::uint16_t address, Bytes preset) {
  return {
      B(DeviceRequest(0, 1, REQ_I2C_READ, 0, address, static_cast<std::uint16_t>(preset.size()))),
      std::move(preset)};
}
inline Request GpioSet(std::uint16_t line, std::uint8_t level) {
  return {B(DeviceRequest(0, 2, REQ_GPIO_SET, 0, line, 1)), {level}};
}
inline Request GpioGet(std::uint16_t line) {
  return {B(DeviceRequest(0, 1, REQ_GPIO_GET, 0, line, 1)), {0}};
}
inline Request UartWrite(std::uint8_t byte) {
  return {B(DeviceRequest(0, 2, REQ_UART_WRITE, 0, 0, 1)), {byte}};
}
inline Request UartRead() {
  return {B(DeviceRequest(0, 1, REQ_UART_READ, 0, 0, 1)), {0xFF}};
}
inline Request FpgaGet(std::uint32_t address) {
  return {B(FpgaRegisterRequest(1, address)), {0, 0}};
}
inline Request FpgaSet(std::uint32_t address, std::uint16_t value) {
  return {B(FpgaRegisterRequest(2, address)),
          {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)}};
}
inline Request Pairs(Bytes data) {
  return {B(DeviceRequest(1, 2, 0, 0, 0, static_cast<std::uint16_t>(data.size()))),
          std::move(data)};
}
inline Request EightPairs(std::uint16_t address, std::uint16_t value) {
  return Pairs(B(RepeatedPairBlock(address, value)));
}
inline Request ShortSet(std::uint32_t id, std::uint32_t value) {
  Bytes data(4);
  ks::PutU32(data.data(), value);
  return {B(ShortPropertyRecord(DeviceRequestSet, id, 2)), data};
}
inline Request ShortGet(std::uint32_t id) {
  return {B(ShortPropertyRecord(DeviceRequestSet, id, 1)), {0, 0, 0, 0}};
}

class Console {
public:
  explicit Console(std::vector<std::string> settings = {})
      : sim(std::move(settings), sim::TimeMode::Virtual), recorder(sim.clock()),
        dialog(std::make_unique<CVeltaEditorDlg>(host, sim.catalog(), recorder)) {}

  // Discovery and the opening, as at start-up; true when the dialog opened.
  bool Open() {
    if (!dialog->FindDevice())
      return false;
    host.Open(*dialog);
    return true;
  }

  // Requests recorded since the last call (pauses are left out).
  std::vector<Request> TakeRequests() {
    std::vector<Request> out;
    for (const auto& event : recorder.trace().events())
      if (const auto* p = std::get_if<ks::PropertyEvent>(&event))
        out.push_back({p->property, p->data});
    recorder.trace().Clear();
    return out;
  }

  std::string Text(int id) const { return host.GetWindowText(id); }

  sim::Simulator sim;
  ks::Recorder recorder;
  dlg::HeadlessHost host;
  std::unique_ptr<CVeltaEditorDlg> dialog;
};

// A user action: types into fields, then clicks.
inline std::function<void(Console&)> Fill(std::vector<std::pair<int, std::string>> fields,
                                          int click) {
  return [=](Console& c) {
    for (const auto& [id, text] : fields)
      c.host.Type(id, text);
    c.host.Click(click);
  };
}

// One user action on a freshly opened console: the exact requests it sends
// and the texts of fields afterwards; no action here shows a message box.
struct ActionCase {
  const char* name;
  std::vector<std::string> settings;
  std::function<void(Console&)> act;
  std::vector<Request> expected;
  std::vector<std::pair<int, std::string>> texts; // fields afterwards
};

inline void CheckAction(const ActionCase& c) {
  Console console(c.settings);
  ASSERT_TRUE(console.Open());
  console.TakeRequests();
  c.act(console);
  EXPECT_EQ(console.TakeRequests(), c.expected);
  for (const auto& [id, text] : c.texts)
    EXPECT_EQ(console.Text(id), text) << "control " << id;
  EXPECT_TRUE(console.host.messageBoxes().empty());
}

} // namespace support

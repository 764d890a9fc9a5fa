// The simulated board's record decoder on arbitrary records and data. Board A
// is handed every record, board B only the records the decoder accepts: a
// refused record must fail with the decoder's result, hand back the caller's
// buffer untouched, report no bytes, and leave A exactly like B.
#include <cstring>
#include <memory>
#include <vector>

#include "fuzz_check.hpp"
#include "sim/board.hpp"
#include "sim/request.hpp"
#include "sim/session.hpp"
#include "sim/sim_control.hpp"

namespace {

// Every piece of board state a request can reach, folded into one hash. A
// hash rather than a copy: it runs on every input, over 600 KB of state.
class StateHash {
public:
  void Add(std::uint64_t v) { hash_ = (hash_ ^ v) * 0x100000001B3ull; }
  std::uint64_t value() const { return hash_; }

private:
  std::uint64_t hash_ = 0xCBF29CE484222325ull;
};

__attribute__((no_sanitize("address", "undefined", "coverage"))) std::uint64_t
Snapshot(sim::Board& board) {
  StateHash h;
  sim::Fpga& fpga = board.fpga();
  for (std::uint32_t a = 0; a < sim::Fpga::kRegisterCount; ++a)
    h.Add(fpga.Register(static_cast<std::uint16_t>(a)));
  for (std::size_t bank = 0; bank < sim::Fpga::kBanks; ++bank) {
    const auto b = static_cast<std::uint8_t>(bank);
    h.Add(fpga.BankAllocated(b));
    if (fpga.BankAllocated(b))
      for (std::uint32_t w = 0; w < sim::Fpga::kBankWords; ++w)
        h.Add(fpga.BankWord(b, static_cast<std::uint16_t>(w)));
  }
  for (std::size_t block = 0; block < sim::Fpga::kTfcBlocks; ++block)
    for (std::size_t w = 0; w < sim::Fpga::kTfcBlockWords; ++w)
      h.Add(fpga.TfcWord(block, w));
  for (int r = 0; r < 256; ++r)
    h.Add(board.emc2101().Register(static_cast<std::uint8_t>(r)));
  h.Add(board.emc2101().Pointer());
  for (int r = 0; r < 8; ++r)
    h.Add(board.pca9535().Register(static_cast<std::uint8_t>(r)));
  h.Add(board.pca9535().Pointer());
  for (int r = 0; r < 4; ++r)
    h.Add(board.pca9537().Register(static_cast<std::uint8_t>(r)));
  h.Add(board.pca9537().Pointer());
  for (int d = 0; d < 2; ++d) {
    const auto& dac = board.ltc2633().Dac(d);
    h.Add(dac.input);
    h.Add(dac.dac);
    h.Add(dac.poweredDown);
  }
  h.Add(board.ltc2633().reference() == sim::Ltc2633::Reference::Internal);
  for (std::size_t chip = 0; chip < sim::Eeprom::kChips; ++chip) {
    const auto& eeprom = board.eeprom(chip);
    h.Add(eeprom.Pointer());
    for (std::uint32_t a = 0; a < sim::Eeprom::kSize; ++a)
      h.Add(eeprom.Byte(static_cast<std::uint16_t>(a)));
  }
  for (std::uint16_t line = 0; line < sim::Board::kGpioLines; ++line)
    h.Add(board.Gpio(line).value_or(0xEE));
  for (const auto byte : board.UartQueue())
    h.Add(byte);
  h.Add(board.UartQueue().size());
  h.Add(board.multiBeam());
  h.Add(board.channelBeam());
  return h.value();
}

struct Channel {
  std::shared_ptr<sim::Board> board = std::make_shared<sim::Board>();
  ks::ComPtr<sim::SimControl> control =
      ks::MakeCounted<sim::SimControl>(board, std::make_shared<sim::Session>());
};

// Takes n bytes from the input, zeros once it runs out.
std::vector<std::uint8_t> Take(const std::uint8_t*& data, std::size_t& size, std::size_t n) {
  std::vector<std::uint8_t> out(n);
  const std::size_t have = std::min(n, size);
  if (have > 0)
    std::memcpy(out.data(), data, have);
  data += have;
  size -= have;
  return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Channel all;
  Channel accepted;
  // Long zero-filled buffers are cheap to ask for; a budget keeps runs fast.
  std::size_t budget = 256 * 1024;
  while (size >= 3) {
    const std::uint32_t propertyLength = data[0] % 64;
    const std::uint32_t dataLength = data[1] | (data[2] << 8);
    if (dataLength > budget)
      break;
    budget -= dataLength;
    data += 3;
    size -= 3;
    const auto property = Take(data, size, propertyLength);
    const auto buffer = Take(data, size, dataLength);

    sim::Request request;
    const ks::HResult decoded =
        sim::DecodeRequest(property.data(), propertyLength, dataLength, &request);
    auto inA = buffer;
    std::uint32_t returnedA = 0xDEADBEEF;
    const ks::HResult hrA = all.control->KsProperty(property.data(), propertyLength, inA.data(),
                                                    dataLength, &returnedA);
    if (ks::Failed(decoded)) {
      FUZZ_CHECK(hrA == decoded);
      FUZZ_CHECK(inA == buffer);
      FUZZ_CHECK(returnedA == 0);
      continue;
    }
    auto inB = buffer;
    std::uint32_t returnedB = 0xDEADBEEF;
    const ks::HResult hrB = accepted.control->KsProperty(property.data(), propertyLength,
                                                         inB.data(), dataLength, &returnedB);
    FUZZ_CHECK(hrA == hrB);
    FUZZ_CHECK(inA == inB);
    FUZZ_CHECK(returnedA == returnedB);
    FUZZ_CHECK(returnedA <= dataLength);
  }
  FUZZ_CHECK(Snapshot(*all.board) == Snapshot(*accepted.board));
  return 0;
}

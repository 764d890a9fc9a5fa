// The simulated board's record decoder on arbitrary records and data. Board A
// is handed every record, board B only the records the decoder accepts: a
// refused record must fail with the decoder's result, hand back the caller's
// buffer untouched, report no bytes and write no state of A (the board counts
// every state write), and in the end A must be exactly like B. The boards
// live across inputs: a reset and a comparison cost only what was written.
#include <cstring>
#include <memory>
#include <vector>

#include "fuzz_check.hpp"
#include "sim/board.hpp"
#include "sim/request.hpp"
#include "sim/session.hpp"
#include "sim/sim_control.hpp"

namespace {

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
  static Channel all;
  static Channel accepted;
  all.board->Reset();
  accepted.board->Reset();
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
    const std::uint64_t writesBefore = all.board->writes();
    const ks::HResult hrA = all.control->KsProperty(property.data(), propertyLength, inA.data(),
                                                    dataLength, &returnedA);
    if (ks::Failed(decoded)) {
      FUZZ_CHECK(hrA == decoded);
      FUZZ_CHECK(inA == buffer);
      FUZZ_CHECK(returnedA == 0);
      FUZZ_CHECK(all.board->writes() == writesBefore);
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
  FUZZ_CHECK(*all.board == *accepted.board);
  return 0;
}

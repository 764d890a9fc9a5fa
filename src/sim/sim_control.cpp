#include "sim/sim_control.hpp"

#include <algorithm>
#include <vector>

namespace sim {

namespace {

// A get fills a scratch buffer first, so that a failure leaves the caller's
// buffer as it was.
template <class Fill> ks::HResult FillOnSuccess(std::span<std::uint8_t> data, Fill fill) {
  std::vector<std::uint8_t> scratch(data.size());
  if (!fill(std::span<std::uint8_t>(scratch)))
    return kTransferFailed;
  std::copy(scratch.begin(), scratch.end(), data.begin());
  return ks::S_OK;
}

} // namespace

SimControl::SimControl(std::shared_ptr<Board> board, std::shared_ptr<Session> session,
                       ProbeAnswers probes)
    : board_(std::move(board)), session_(std::move(session)), probes_(probes) {}

ks::HResult SimControl::KsProperty(const void* property, std::uint32_t propertyLength, void* data,
                                   std::uint32_t dataLength, std::uint32_t* bytesReturned) {
  std::uint32_t returned = 0;
  const ks::HResult hr = Handle(property, propertyLength, data, dataLength, &returned);
  if (bytesReturned != nullptr)
    *bytesReturned = ks::Succeeded(hr) ? returned : 0;
  return hr;
}

ks::HResult SimControl::Handle(const void* property, std::uint32_t propertyLength, void* data,
                               std::uint32_t dataLength, std::uint32_t* returned) {
  if (const auto fault = session_->faults.NextCallFails())
    return *fault;
  Request request;
  const ks::HResult hr = DecodeRequest(property, propertyLength, dataLength, &request);
  if (ks::Failed(hr))
    return hr;
  if (data == nullptr && dataLength != 0)
    return ks::E_POINTER;
  return Apply(request, std::span<std::uint8_t>(static_cast<std::uint8_t*>(data), dataLength),
               returned);
}

ks::HResult SimControl::Apply(const Request& request, std::span<std::uint8_t> data,
                              std::uint32_t* returned) {
  Board& board = *board_;
  const Faults& faults = session_->faults;
  const auto address = static_cast<std::uint16_t>(request.target);
  ks::HResult hr = ks::S_OK;

  switch (request.kind) {
  case RequestKind::DeviceProbe:
    return Probe(probes_.deviceSet, data, returned);
  case RequestKind::FpgaProbe:
    return Probe(probes_.fpgaSet, data, returned);
  case RequestKind::I2cWrite:
    if (faults.I2cAbsent(address) || !board.I2cWrite(address, data))
      hr = kTransferFailed;
    break;
  case RequestKind::I2cRead:
    hr = faults.I2cAbsent(address)
             ? kTransferFailed
             : FillOnSuccess(data, [&](auto out) { return board.I2cRead(address, out); });
    break;
  case RequestKind::GpioSet:
    if (!board.SetGpio(address, data[0]))
      hr = kTransferFailed;
    break;
  case RequestKind::GpioGet:
    hr = FillOnSuccess(data, [&](auto out) {
      const auto level = board.Gpio(address);
      out[0] = level.value_or(0);
      return level.has_value();
    });
    break;
  case RequestKind::UartWrite:
    board.UartWrite(data);
    break;
  case RequestKind::UartRead:
    hr = FillOnSuccess(data, [&](auto out) { return board.UartRead(out); });
    break;
  case RequestKind::PairBlock:
    hr = WritePairs(data);
    break;
  case RequestKind::MultiBeamSet:
    board.set_multiBeam(ks::GetU32(data.data()));
    break;
  case RequestKind::ChannelBeamGet:
    if (const auto fault = faults.ChannelBeamGetFails())
      hr = *fault;
    else
      ks::PutU32(data.data(), board.channelBeam());
    break;
  case RequestKind::ChannelBeamSet:
    board.set_channelBeam(ks::GetU32(data.data()));
    break;
  case RequestKind::FpgaGet:
    if (const auto fault = faults.FpgaGetFails(request.target))
      hr = *fault;
    else
      ks::PutU16(data.data(), board.fpga().Read(address));
    break;
  case RequestKind::FpgaSet:
    if (const auto fault = faults.FpgaSetFails(request.target))
      hr = *fault;
    else
      board.fpga().Write(address, ks::GetU16(data.data()));
    break;
  }
  if (ks::Succeeded(hr))
    *returned = static_cast<std::uint32_t>(data.size());
  return hr;
}

ks::HResult SimControl::Probe(ProbeAnswer answer, std::span<std::uint8_t> data,
                              std::uint32_t* returned) {
  const std::uint32_t get = ks::KSPROPERTY_TYPE_GET;
  const std::uint32_t set = ks::KSPROPERTY_TYPE_SET;
  switch (answer) {
  case ProbeAnswer::None:
    return ks::E_PROP_ID_UNSUPPORTED;
  case ProbeAnswer::Short:
    ks::PutU16(data.data(), static_cast<std::uint16_t>(get | set));
    *returned = 2;
    return ks::S_OK;
  case ProbeAnswer::GetSet:
    ks::PutU32(data.data(), get | set);
    break;
  case ProbeAnswer::GetOnly:
    ks::PutU32(data.data(), get);
    break;
  case ProbeAnswer::SetOnly:
    ks::PutU32(data.data(), set);
    break;
  }
  *returned = 4;
  return ks::S_OK;
}

ks::HResult SimControl::WritePairs(std::span<const std::uint8_t> pairs) {
  Faults& faults = session_->faults;
  if (const auto fault = faults.NextPairBlockFails())
    return *fault;
  // Checked up front: a block that would fail part-way writes nothing.
  for (std::size_t i = 0; i < pairs.size(); i += 4)
    if (faults.FpgaSetFails(ks::GetU16(&pairs[i])))
      return kTransferFailed;
  Fpga& fpga = board_->fpga();
  for (std::size_t i = 0; i < pairs.size(); i += 4)
    fpga.Write(ks::GetU16(&pairs[i]), ks::GetU16(&pairs[i + 2]));
  return ks::S_OK;
}

} // namespace sim

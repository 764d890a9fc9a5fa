// The simulated board's control channel: decodes each property record,
// applies it to the board; faults of the session make chosen calls fail.
#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "platform/ks/ks_property.hpp"
#include "platform/ks/unknown.hpp"
#include "sim/board.hpp"
#include "sim/probe_answer.hpp"
#include "sim/request.hpp"
#include "sim/session.hpp"

namespace sim {

class SimControl : public ks::RefCounted<ks::KsControl> {
public:
  SimControl(std::shared_ptr<Board> board, std::shared_ptr<Session> session,
             ProbeAnswers probes = {});

  ks::HResult KsProperty(const void* property, std::uint32_t propertyLength, void* data,
                         std::uint32_t dataLength, std::uint32_t* bytesReturned) override;

private:
  ks::HResult Handle(const void* property, std::uint32_t propertyLength, void* data,
                     std::uint32_t dataLength, std::uint32_t* returned);
  ks::HResult Apply(const Request& request, std::span<std::uint8_t> data, std::uint32_t* returned);
  ks::HResult Probe(ProbeAnswer answer, std::span<std::uint8_t> data, std::uint32_t* returned);
  ks::HResult WritePairs(std::span<const std::uint8_t> pairs);

  std::shared_ptr<Board> board_;
  std::shared_ptr<Session> session_;
  ProbeAnswers probes_;
};

} // namespace sim

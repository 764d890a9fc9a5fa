// The simulated board's entry in the device catalog: the device category
// lists one moniker per simulated board, named with a realistic device path.
// The first board is the main board; further boards get boards of their own.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/ks/catalog.hpp"
#include "sim/board.hpp"
#include "sim/probe_answer.hpp"
#include "sim/session.hpp"

namespace sim {

struct CatalogOptions {
  int boards = 1;
  std::uint16_t productId = 0x3430;
  // The Nth moniker (from 1) that fails to bind, or has no control
  // interface; 0 for none.
  int bindFail = 0;
  int noControl = 0;
  ProbeAnswers probes;
};

// The display name of the Nth board (from 1), in lower case as Windows shows it.
std::u16string DevicePath(std::uint16_t productId, int n);

class SimCatalog : public ks::DeviceCatalog {
public:
  SimCatalog(const CatalogOptions& options, std::shared_ptr<Board> mainBoard,
             std::shared_ptr<Session> session);

  ks::HResult CreateDeviceEnumerator(std::uint32_t context,
                                     ks::DeviceEnumerator** enumerator) override;

  // The board behind the Nth moniker (from 1).
  Board& board(int n) { return *boards_.at(static_cast<std::size_t>(n - 1)); }

private:
  CatalogOptions options_;
  std::vector<std::shared_ptr<Board>> boards_;
  std::shared_ptr<Session> session_;
};

} // namespace sim

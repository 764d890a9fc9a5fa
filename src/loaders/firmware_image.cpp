#include "loaders/firmware_image.hpp"

#include <algorithm>

namespace loaders {

std::vector<FirmwarePiece> FirmwarePieces(std::span<const std::uint8_t> image) {
  std::vector<FirmwarePiece> pieces;
  const auto total = static_cast<std::int32_t>(image.size());
  pieces.reserve((image.size() + kFirmwarePieceSize - 1) / kFirmwarePieceSize);
  for (std::size_t address = 0; address < image.size(); address += kFirmwarePieceSize) {
    const std::size_t n = std::min(kFirmwarePieceSize, image.size() - address);
    FirmwarePiece piece;
    piece.device = board::EepromChipOf(static_cast<std::uint32_t>(address));
    piece.data.reserve(n + 2);
    piece.data.push_back(static_cast<std::uint8_t>(address >> 8));
    piece.data.push_back(static_cast<std::uint8_t>(address));
    piece.data.insert(piece.data.end(), image.begin() + static_cast<std::ptrdiff_t>(address),
                      image.begin() + static_cast<std::ptrdiff_t>(address + n));
    const auto sent = static_cast<std::int32_t>(address + n);
    piece.percent = sent * 100 / total;
    pieces.push_back(std::move(piece));
  }
  return pieces;
}

} // namespace loaders

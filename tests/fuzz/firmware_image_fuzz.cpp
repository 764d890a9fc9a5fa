// The firmware loader's pieces for arbitrary file bytes: every byte lands
// once, at its own EEPROM address, in order.
#include "fuzz_check.hpp"
#include "loaders/firmware_image.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > loaders::kFirmwareMaxBytes)
    return 0;
  std::size_t next = 0;
  int percent = 0;
  for (const auto& piece : loaders::FirmwarePieces(fuzz::Bytes(data, size))) {
    FUZZ_CHECK(piece.data.size() > 2 && piece.data.size() <= 2 + loaders::kFirmwarePieceSize);
    FUZZ_CHECK(piece.device == board::EepromChipOf(static_cast<std::uint32_t>(next)));
    FUZZ_CHECK(piece.data[0] == ((next >> 8) & 0xFF) && piece.data[1] == (next & 0xFF));
    for (std::size_t i = 2; i < piece.data.size(); ++i)
      FUZZ_CHECK(piece.data[i] == data[next++]);
    FUZZ_CHECK(piece.percent >= percent && piece.percent <= 100);
    percent = piece.percent;
  }
  FUZZ_CHECK(next == size);
  FUZZ_CHECK(size == 0 || percent == 100);
  return 0;
}

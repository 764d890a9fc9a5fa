#include "cli/readback_reads.hpp"

#include <algorithm>
#include <cstdio>

#include "device/board_map.hpp"
#include "loaders/afe_table.hpp"
#include "loaders/firmware_image.hpp"

namespace cli {

std::string HexValue(unsigned value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%0*x", digits, value);
  return text;
}

std::optional<std::uint32_t> ReadEepromSpace(CVeltaEditorDlg& dialog, std::uint32_t address,
                                             std::span<std::uint8_t> bytes, std::size_t readChunk,
                                             ProgressLine& progress) {
  const std::size_t chunk = std::max<std::size_t>(readChunk, 1);
  for (std::size_t done = 0; done < bytes.size();) {
    const std::uint32_t at = address + static_cast<std::uint32_t>(done);
    const std::size_t n = std::min(
        {chunk, bytes.size() - done,
         static_cast<std::size_t>(board::kEepromChipBytes - at % board::kEepromChipBytes)});
    const auto chip = board::EepromChipOf(at);
    const std::uint8_t pointer[2] = {static_cast<std::uint8_t>(at >> 8),
                                     static_cast<std::uint8_t>(at)};
    if (ks::Failed(dialog.WriteI2c(chip, pointer, 2)) ||
        ks::Failed(dialog.ReadI2c(chip, bytes.data() + done, static_cast<std::int32_t>(n))))
      return at;
    done += n;
    progress.Update(done, bytes.size());
  }
  return std::nullopt;
}

std::string BankSelector::Select(std::uint8_t bank) {
  if (!found_) {
    std::uint16_t value = 0;
    if (ks::Failed(dialog_.ReadFpgaRegister(loaders::kBankRegister, &value)))
      return "cannot read the bank register";
    found_ = current_ = value;
  }
  const std::uint16_t value = loaders::BankValue(*found_, bank);
  if (value == current_)
    return {};
  if (ks::Failed(dialog_.WriteFpgaRegister(loaders::kBankRegister, &value)))
    return "cannot select bank " + std::to_string(bank);
  current_ = value;
  return {};
}

std::string BankSelector::Restore() {
  if (!found_ || current_ == *found_)
    return {};
  if (ks::Failed(dialog_.WriteFpgaRegister(loaders::kBankRegister, &*found_)))
    return "cannot write the bank register back to " + HexValue(*found_, 4);
  current_ = *found_;
  return {};
}

} // namespace cli

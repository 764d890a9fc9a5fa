// The FPGA's 16-bit register space as the control channel reaches it:
// plain registers below 0x8000 (the TFC staging window and the apodization
// memory among them), and a table window above that pages into bank memory.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>

#include "sim/watched.hpp"

namespace sim {

class Fpga {
public:
  static constexpr std::uint32_t kRegisterCount = 0x8000;
  static constexpr std::uint32_t kAddressLimit = 0x10000;
  static constexpr std::uint16_t kBankRegister = 4;
  static constexpr std::uint16_t kTfcControlRegister = 7;
  static constexpr std::uint16_t kTfcCommitBit = 0x8000;
  static constexpr std::uint16_t kTfcStagingBase = 0x200;
  static constexpr std::uint16_t kApodBase = 0x4000;
  static constexpr std::uint16_t kApodWords = 0x2000;
  static constexpr std::uint16_t kWindowBase = 0x8000;
  static constexpr std::size_t kBanks = 256;
  static constexpr std::size_t kBankWords = 0x8000;
  static constexpr std::size_t kTfcBlocks = 32;
  static constexpr std::size_t kTfcBlockWords = 512;

  void Reset();

  // The request paths; addresses at or above kAddressLimit are the caller's
  // to refuse.
  std::uint16_t Read(std::uint16_t address) const;
  void Write(std::uint16_t address, std::uint16_t value);

  // Inspection and presets: no side effects, no bank allocated by reading.
  std::uint16_t Register(std::uint16_t address) const { return Read(address); }
  void PresetRegister(std::uint16_t address, std::uint16_t value);
  std::uint8_t CurrentBank() const {
    return static_cast<std::uint8_t>((*registers_)[kBankRegister]);
  }
  std::uint16_t BankWord(std::uint8_t bank, std::uint16_t offset) const;
  void SetBankWord(std::uint8_t bank, std::uint16_t offset, std::uint16_t value);
  bool BankAllocated(std::uint8_t bank) const { return banks_->memory[bank] != nullptr; }
  std::size_t AllocatedBanks() const;
  std::uint16_t TfcWord(std::size_t block, std::size_t index) const;
  void SetTfcWord(std::size_t block, std::size_t index, std::uint16_t value);
  std::uint16_t ApodWord(std::uint16_t index) const {
    return (*registers_)[kApodBase + (index % kApodWords)];
  }
  void SetApodWord(std::uint16_t index, std::uint16_t value) {
    registers_.Edit()[kApodBase + (index % kApodWords)] = value;
  }

  std::uint64_t writes() const { return registers_.writes() + banks_.writes() + tfc_.writes(); }
  friend bool operator==(const Fpga&, const Fpga&) = default;

private:
  using Bank = std::array<std::uint16_t, kBankWords>;
  using TfcBlock = std::array<std::uint16_t, kTfcBlockWords>;
  // Allocated on the first write; an allocated bank differs from an absent one.
  struct Banks {
    std::array<std::unique_ptr<Bank>, kBanks> memory;
    friend bool operator==(const Banks& a, const Banks& b) {
      return std::equal(a.memory.begin(), a.memory.end(), b.memory.begin(),
                        [](const auto& x, const auto& y) { return x && y ? *x == *y : x == y; });
    }
  };

  Bank& TouchBank(std::uint8_t bank);
  void WriteTfcControl(std::uint16_t value);

  Watched<std::array<std::uint16_t, kRegisterCount>> registers_;
  Watched<Banks> banks_;
  Watched<std::array<TfcBlock, kTfcBlocks>> tfc_;
};

} // namespace sim

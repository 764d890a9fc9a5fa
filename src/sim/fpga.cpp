#include "sim/fpga.hpp"

#include <algorithm>

namespace sim {

namespace {

constexpr std::uint16_t kWindowMask = 0x7FFF;

} // namespace

void Fpga::Reset() {
  registers_.Reset();
  banks_.Reset();
  tfc_.Reset();
}

std::uint16_t Fpga::Read(std::uint16_t address) const {
  if (address < kWindowBase)
    return (*registers_)[address];
  return BankWord(CurrentBank(), address & kWindowMask);
}

void Fpga::Write(std::uint16_t address, std::uint16_t value) {
  if (address >= kWindowBase)
    TouchBank(CurrentBank())[address & kWindowMask] = value;
  else if (address == kTfcControlRegister)
    WriteTfcControl(value);
  else
    registers_.Edit()[address] = value;
}

void Fpga::WriteTfcControl(std::uint16_t value) {
  const bool rising =
      ((*registers_)[kTfcControlRegister] & kTfcCommitBit) == 0 && (value & kTfcCommitBit) != 0;
  registers_.Edit()[kTfcControlRegister] = value;
  if (!rising)
    return;
  const auto staging = registers_->begin() + kTfcStagingBase;
  std::copy(staging, staging + kTfcBlockWords, tfc_.Edit()[(value & 0xFF) & 0x1F].begin());
}

void Fpga::PresetRegister(std::uint16_t address, std::uint16_t value) {
  if (address >= kWindowBase)
    SetBankWord(CurrentBank(), address & kWindowMask, value);
  else
    registers_.Edit()[address] = value;
}

Fpga::Bank& Fpga::TouchBank(std::uint8_t bank) {
  auto& memory = banks_.Edit().memory[bank];
  if (!memory)
    memory = std::make_unique<Bank>();
  return *memory;
}

std::uint16_t Fpga::BankWord(std::uint8_t bank, std::uint16_t offset) const {
  const auto& memory = banks_->memory[bank];
  return memory ? (*memory)[offset & kWindowMask] : 0;
}

void Fpga::SetBankWord(std::uint8_t bank, std::uint16_t offset, std::uint16_t value) {
  TouchBank(bank)[offset & kWindowMask] = value;
}

std::size_t Fpga::AllocatedBanks() const {
  return static_cast<std::size_t>(std::count_if(banks_->memory.begin(), banks_->memory.end(),
                                                [](const auto& bank) { return bank != nullptr; }));
}

std::uint16_t Fpga::TfcWord(std::size_t block, std::size_t index) const {
  return (*tfc_)[block % kTfcBlocks][index % kTfcBlockWords];
}

void Fpga::SetTfcWord(std::size_t block, std::size_t index, std::uint16_t value) {
  tfc_.Edit()[block % kTfcBlocks][index % kTfcBlockWords] = value;
}

} // namespace sim

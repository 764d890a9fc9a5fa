#include "sim/fpga.hpp"

#include <algorithm>

namespace sim {

namespace {

constexpr std::uint16_t kWindowMask = 0x7FFF;

} // namespace

Fpga::Fpga() = default;
Fpga::~Fpga() = default;

void Fpga::Reset() {
  registers_.fill(0);
  for (auto& bank : banks_)
    bank.reset();
  for (auto& block : tfc_)
    block.fill(0);
}

std::uint16_t Fpga::Read(std::uint16_t address) const {
  if (address < kWindowBase)
    return registers_[address];
  return BankWord(CurrentBank(), address & kWindowMask);
}

void Fpga::Write(std::uint16_t address, std::uint16_t value) {
  if (address >= kWindowBase)
    TouchBank(CurrentBank())[address & kWindowMask] = value;
  else if (address == kTfcControlRegister)
    WriteTfcControl(value);
  else
    registers_[address] = value;
}

void Fpga::WriteTfcControl(std::uint16_t value) {
  const bool rising =
      (registers_[kTfcControlRegister] & kTfcCommitBit) == 0 && (value & kTfcCommitBit) != 0;
  registers_[kTfcControlRegister] = value;
  if (!rising)
    return;
  const auto staging = registers_.begin() + kTfcStagingBase;
  std::copy(staging, staging + kTfcBlockWords, tfc_[(value & 0xFF) & 0x1F].begin());
}

void Fpga::PresetRegister(std::uint16_t address, std::uint16_t value) {
  if (address >= kWindowBase)
    SetBankWord(CurrentBank(), address & kWindowMask, value);
  else
    registers_[address] = value;
}

Fpga::Bank& Fpga::TouchBank(std::uint8_t bank) {
  if (!banks_[bank])
    banks_[bank] = std::make_unique<Bank>();
  return *banks_[bank];
}

std::uint16_t Fpga::BankWord(std::uint8_t bank, std::uint16_t offset) const {
  return banks_[bank] ? (*banks_[bank])[offset & kWindowMask] : 0;
}

void Fpga::SetBankWord(std::uint8_t bank, std::uint16_t offset, std::uint16_t value) {
  TouchBank(bank)[offset & kWindowMask] = value;
}

std::size_t Fpga::AllocatedBanks() const {
  return static_cast<std::size_t>(std::count_if(banks_.begin(), banks_.end(),
                                                [](const auto& bank) { return bank != nullptr; }));
}

std::uint16_t Fpga::TfcWord(std::size_t block, std::size_t index) const {
  return tfc_[block % kTfcBlocks][index % kTfcBlockWords];
}

void Fpga::SetTfcWord(std::size_t block, std::size_t index, std::uint16_t value) {
  tfc_[block % kTfcBlocks][index % kTfcBlockWords] = value;
}

} // namespace sim

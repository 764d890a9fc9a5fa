#include "cli/readback.hpp"

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "cli/readback_progress.hpp"
#include "cli/readback_reads.hpp"
#include "cli/readback_words.hpp"
#include "platform/files/open_file.hpp"

namespace cli {

namespace {

const char* TableName(Table table) {
  switch (table) {
  case Table::Firmware:
    return "firmware";
  case Table::Ep1out:
    return "ep1out";
  case Table::Afe:
    return "afe";
  case Table::Apod:
    return "apod";
  case Table::Log:
    return "log";
  }
  return "table";
}

// A register's place: its address and, when one was selected, the bank.
std::string Place(std::uint16_t address, std::optional<std::uint8_t> bank) {
  return HexValue(address, 4) + (bank ? " bank " + std::to_string(*bank) : "");
}

// What a verification found.
struct Tally {
  std::size_t checked = 0;
  std::size_t mismatches = 0;
  std::string first; // the first mismatch
  std::vector<std::string> problems;

  // place() names where the words were, only when they differ.
  template <class Place> void Compare(unsigned wrote, unsigned read, int digits, Place place) {
    ++checked;
    if (wrote == read)
      return;
    if (mismatches++ == 0)
      first = "mismatch at " + place() + ": wrote " + HexValue(wrote, digits) + ", read " +
              HexValue(read, digits);
  }
  void Problem(std::string problem) {
    if (!problem.empty())
      problems.push_back(std::move(problem));
  }
};

bool Report(const Tally& tally, const std::string& label, const char* unit, std::ostream& out,
            std::ostream& err) {
  if (tally.mismatches > 0)
    err << label << ": " << tally.first << '\n'
        << label << ": " << tally.mismatches
        << (tally.mismatches == 1 ? " mismatch" : " mismatches") << '\n';
  for (const std::string& problem : tally.problems)
    err << label << ": " << problem << '\n';
  if (tally.mismatches > 0 || !tally.problems.empty())
    return false;
  out << "verified " << tally.checked << ' ' << unit << '\n';
  return true;
}

Tally VerifyFirmware(CVeltaEditorDlg& dialog, const std::string& path, const ReadSetup& setup,
                     ProgressLine& progress) {
  Tally tally;
  const FirmwareBytes stored = LoadedFirmware(path);
  tally.Problem(stored.problem);
  std::vector<std::uint8_t> read(stored.bytes.size());
  const auto failed = ReadEepromSpace(dialog, 0, read, setup.readChunk, progress);
  const std::size_t readable = failed ? *failed : read.size();
  for (std::size_t at = 0; at < readable; ++at)
    tally.Compare(stored.bytes[at], read[at], 2,
                  [at] { return HexValue(static_cast<unsigned>(at), 5); });
  if (failed)
    tally.Problem("read failed at " + HexValue(*failed, 5));
  return tally;
}

Tally VerifyRegisters(CVeltaEditorDlg& dialog, const VerifyTable& verify,
                      std::string_view ep1outStart, ProgressLine& progress) {
  Tally tally;
  const TableWords loaded = LoadedWords(verify.table, verify.path, ep1outStart);
  tally.Problem(loaded.problem);
  BankSelector banks(dialog);
  for (const WrittenWord& word : loaded.words) {
    if (word.bank) {
      std::string problem = banks.Select(*word.bank);
      if (!problem.empty()) {
        tally.Problem(std::move(problem));
        break;
      }
    }
    std::uint16_t value = 0;
    if (ks::Failed(dialog.ReadFpgaRegister(word.address, &value))) {
      tally.Problem("read failed at " + Place(word.address, word.bank));
      break;
    }
    tally.Compare(word.value, value, 4, [&word] { return Place(word.address, word.bank); });
    progress.Update(tally.checked, loaded.words.size());
  }
  tally.Problem(banks.Restore());
  return tally;
}

} // namespace

bool SaveEeprom(CVeltaEditorDlg& dialog, const EepromSave& save, const ReadSetup& setup,
                std::ostream& err) {
  std::ofstream file(files::PathOf(save.path.c_str()), std::ios::binary | std::ios::trunc);
  if (!file) {
    err << "eeprom save: cannot write " << save.path << '\n';
    return false;
  }
  std::vector<std::uint8_t> bytes(save.count);
  std::optional<std::uint32_t> failed;
  {
    ProgressLine progress(setup.progress, "eeprom save");
    failed = ReadEepromSpace(dialog, save.address, bytes, setup.readChunk, progress);
  }
  if (!failed)
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  file.close();
  if (failed || !file) {
    std::error_code ignored;
    std::filesystem::remove(files::PathOf(save.path.c_str()), ignored);
    err << "eeprom save: " << (failed ? "read failed at " + HexValue(*failed, 5) : "cannot write")
        << "; " << save.path << " not written\n";
    return false;
  }
  return true;
}

bool SaveFpga(CVeltaEditorDlg& dialog, const FpgaSave& save, const ReadSetup& setup,
              std::ostream& err) {
  std::ofstream file(files::PathOf(save.path.c_str()), std::ios::binary | std::ios::trunc);
  if (!file) {
    err << "fpga save: cannot write " << save.path << '\n';
    return false;
  }
  std::string text;
  std::string problem;
  BankSelector banks(dialog);
  {
    ProgressLine progress(setup.progress, "fpga save");
    if (save.bank)
      problem = banks.Select(*save.bank);
    for (std::uint32_t i = 0; problem.empty() && i < save.count; ++i) {
      const auto address = static_cast<std::uint16_t>(save.address + i);
      std::uint16_t value = 0;
      if (ks::Failed(dialog.ReadFpgaRegister(address, &value)))
        problem = "read failed at " + Place(address, save.bank);
      text += std::to_string(value) + '\n';
      progress.Update(i + 1, save.count);
    }
  }
  const std::string restored = banks.Restore();
  if (problem.empty())
    file << text;
  file.close();
  if (!problem.empty() || !file) {
    std::error_code ignored;
    std::filesystem::remove(files::PathOf(save.path.c_str()), ignored);
    err << "fpga save: " << (problem.empty() ? "cannot write" : problem) << "; " << save.path
        << " not written\n";
  }
  if (!restored.empty())
    err << "fpga save: " << restored << '\n';
  return problem.empty() && file && restored.empty();
}

bool VerifyLoad(CVeltaEditorDlg& dialog, const VerifyTable& verify, std::string_view ep1outStart,
                const ReadSetup& setup, std::ostream& out, std::ostream& err) {
  const std::string label = std::string("verify ") + TableName(verify.table);
  Tally tally;
  {
    ProgressLine progress(setup.progress, label);
    tally = verify.table == Table::Firmware
                ? VerifyFirmware(dialog, verify.path, setup, progress)
                : VerifyRegisters(dialog, verify, ep1outStart, progress);
  }
  return Report(tally, label, verify.table == Table::Firmware ? "bytes" : "words", out, err);
}

} // namespace cli

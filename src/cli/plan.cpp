#include "cli/plan.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <span>
#include <string_view>

#include "ui/dialog_template.hpp"
#include "ui/resource.hpp"

namespace cli {

namespace {

using dlg::ControlKind;

// The arguments of one command, after its name.
struct Args {
  const Command& command;
  std::size_t first;
  // Words of the arguments; an expectation after them is not one.
  std::size_t count;

  std::size_t size() const { return count; }
  const std::string& operator[](std::size_t i) const { return command.words[first + i]; }
  // Argument i and everything after it, as written.
  std::string Rest(std::size_t i) const { return command.Tail(first + i); }
};

std::optional<long> Decimal(std::string_view text, long min, long max) {
  long value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end || value < min || value > max)
    return std::nullopt;
  return value;
}

std::optional<std::uint32_t> Hex(std::string_view text, std::uint32_t max) {
  if (text.starts_with("0x") || text.starts_with("0X"))
    text.remove_prefix(2);
  std::uint32_t value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value, 16);
  if (text.empty() || ec != std::errc() || ptr != end || value > max)
    return std::nullopt;
  return value;
}

const char* KindName(ControlKind kind) {
  switch (kind) {
  case ControlKind::PushButton:
    return "a button";
  case ControlKind::CheckBox:
    return "a check box";
  case ControlKind::Edit:
    return "an edit field";
  case ControlKind::ComboBox:
    return "a combo box";
  case ControlKind::Static:
    return "a label";
  case ControlKind::GroupBox:
    return "a group box";
  case ControlKind::Progress:
    return "a progress bar";
  }
  return "a control";
}

// A control id of the template, optionally of given kinds; sets error otherwise.
std::optional<int> ControlOf(const std::string& word, std::span<const ControlKind> kinds,
                             std::string_view what, std::string& error) {
  const auto id = Decimal(word, 0, 0xFFFF);
  const dlg::ControlTemplate* control =
      id ? kVeltaEditorTemplate.Find(static_cast<int>(*id)) : nullptr;
  if (control == nullptr) {
    error = "no control with id " + word;
    return std::nullopt;
  }
  if (kinds.empty())
    return control->id;
  for (const ControlKind kind : kinds)
    if (control->kind == kind)
      return control->id;
  error = word + " is " + KindName(control->kind) + ", not " + std::string(what);
  return std::nullopt;
}

std::string Invalid(std::string_view what, const std::string& value) {
  return "invalid " + std::string(what) + " '" + value + "'";
}

using Builder = std::string (*)(const Args&, Plan&);

struct Entry {
  std::string_view name;
  std::string_view sub; // empty: the command is one word
  std::string_view synopsis;
  std::size_t minArgs;
  std::size_t maxArgs; // kMany: the last argument takes the rest of the line
  Builder build;
};

constexpr std::size_t kMany = ~std::size_t{0};

std::string BuildSet(const Args& a, Plan& p) {
  std::string error;
  const auto id = ControlOf(a[0], {}, "", error);
  if (id)
    p.steps.push_back(SetText{*id, a.Rest(1)});
  return error;
}

std::string BuildExpect(const Args& a, Plan& p) {
  std::string error;
  if (const auto id = ControlOf(a[0], {}, "", error))
    p.steps.push_back(ExpectText{*id, a.Rest(1), "expect " + a[0]});
  return error;
}

std::string BuildGet(const Args& a, Plan& p) {
  std::string error;
  if (const auto id = ControlOf(a[0], {}, "", error))
    p.steps.push_back(PrintText{*id});
  return error;
}

std::string BuildSelect(const Args& a, Plan& p) {
  static constexpr ControlKind kinds[] = {ControlKind::ComboBox};
  std::string error;
  const auto id = ControlOf(a[0], kinds, "a combo box", error);
  if (!id)
    return error;
  const auto index = Decimal(a[1], -1, 0xFFFF);
  if (!index)
    return Invalid("INDEX", a[1]);
  p.steps.push_back(SelectIndex{*id, static_cast<int>(*index)});
  return {};
}

std::optional<int> CheckState(const std::string& word) {
  if (word == "0" || word == "1")
    return word == "1" ? 1 : 0;
  return std::nullopt;
}

std::string BuildCheck(const Args& a, Plan& p) {
  static constexpr ControlKind kinds[] = {ControlKind::CheckBox};
  std::string error;
  const auto id = ControlOf(a[0], kinds, "a check box", error);
  if (!id)
    return error;
  const auto state = CheckState(a[1]);
  if (!state)
    return Invalid("state (0 or 1)", a[1]);
  p.steps.push_back(CheckAndClick{*id, *state});
  return {};
}

std::string BuildClick(const Args& a, Plan& p) {
  static constexpr ControlKind kinds[] = {ControlKind::PushButton, ControlKind::CheckBox};
  std::string error;
  if (const auto id = ControlOf(a[0], kinds, "a button or check box", error))
    p.steps.push_back(Click{*id});
  return error;
}

QueueFile FileAnswer(const std::string& path) {
  return path == "-" ? QueueFile{std::nullopt} : QueueFile{path};
}

std::string BuildFile(const Args& a, Plan& p) {
  p.steps.push_back(FileAnswer(a.Rest(0)));
  return {};
}

std::string BuildShow(const Args&, Plan& p) {
  p.steps.push_back(ShowAll{});
  return {};
}

std::string BuildEmc2101Write(const Args& a, Plan& p) {
  p.steps = {SetText{IDC_EMC2101_REG, a[0]}, SetText{IDC_EMC2101_DATA, a[1]},
             Click{IDC_EMC2101_WRITE}};
  return {};
}

std::string BuildEmc2101Read(const Args& a, Plan& p) {
  p.steps = {SetText{IDC_EMC2101_REG, a[0]}, Click{IDC_EMC2101_READ}, PrintText{IDC_EMC2101_DATA}};
  return {};
}

std::string BuildPca9535Write(const Args& a, Plan& p) {
  p.steps = {SetText{IDC_PCA9535_DATA, a[0]}, Click{IDC_PCA9535_WRITE}};
  return {};
}

std::string BuildPca9535Read(const Args&, Plan& p) {
  p.steps = {Click{IDC_PCA9535_READ}, PrintText{IDC_PCA9535_DATA}};
  return {};
}

std::optional<int> Index(const std::string& word) {
  const auto value = Decimal(word, -1, 0xFFFF);
  return value ? std::optional<int>(static_cast<int>(*value)) : std::nullopt;
}

std::string BuildLtc2633(const Args& a, Plan& p) {
  const auto command = Index(a[0]);
  const auto dac = Index(a[1]);
  if (!command)
    return Invalid("CMD", a[0]);
  if (!dac)
    return Invalid("DAC", a[1]);
  p.steps = {SelectIndex{IDC_LTC2633_COMMAND, *command}, SelectIndex{IDC_LTC2633_DAC, *dac},
             SetText{IDC_LTC2633_DATA, a[2]}, Click{IDC_LTC2633_WRITE}};
  return {};
}

std::string BuildPca9537Write(const Args& a, Plan& p) {
  const auto reg = Index(a[0]);
  if (!reg)
    return Invalid("REG", a[0]);
  p.steps = {SelectIndex{IDC_PCA9537_REG, *reg}, SetText{IDC_PCA9537_DATA, a[1]},
             Click{IDC_PCA9537_WRITE}};
  return {};
}

std::string BuildPca9537Read(const Args& a, Plan& p) {
  const auto reg = Index(a[0]);
  if (!reg)
    return Invalid("REG", a[0]);
  p.steps = {SelectIndex{IDC_PCA9537_REG, *reg}, Click{IDC_PCA9537_READ},
             PrintText{IDC_PCA9537_DATA}};
  return {};
}

std::string BuildEepromWrite(const Args& a, Plan& p) {
  const auto chip = Index(a[0]);
  if (!chip)
    return Invalid("CHIP", a[0]);
  p.steps = {SelectIndex{IDC_AT24C64_CHIP, *chip}, SetText{IDC_AT24C64_ADDR, a[1]},
             SetText{IDC_AT24C64_DATA, a[2]}, Click{IDC_AT24C64_WRITE}};
  return {};
}

std::string BuildEepromRead(const Args& a, Plan& p) {
  const auto chip = Index(a[0]);
  if (!chip)
    return Invalid("CHIP", a[0]);
  p.steps = {SelectIndex{IDC_AT24C64_CHIP, *chip}, SetText{IDC_AT24C64_ADDR, a[1]},
             Click{IDC_AT24C64_READ}, PrintText{IDC_AT24C64_DATA}};
  return {};
}

// ADDR (hexadecimal) and COUNT (decimal) of a dump inside a space of `size`.
std::string DumpRange(const Args& a, std::size_t first, std::uint32_t size, std::uint32_t& address,
                      std::uint32_t& count) {
  const auto start = Hex(a[first], size - 1);
  if (!start)
    return Invalid("ADDR", a[first]);
  const auto n = Decimal(a[first + 1], 1, size - *start);
  if (!n)
    return Invalid("COUNT", a[first + 1]) + " (1 to " + std::to_string(size - *start) +
           " from this ADDR)";
  address = *start;
  count = static_cast<std::uint32_t>(*n);
  return {};
}

std::string BuildEepromDump(const Args& a, Plan& p) {
  const auto chip = Decimal(a[0], 0, 7);
  if (!chip)
    return Invalid("CHIP (0 to 7)", a[0]);
  EepromDump dump{static_cast<int>(*chip), 0, 0};
  if (auto error = DumpRange(a, 1, 0x10000, dump.address, dump.count); !error.empty())
    return error;
  p.steps.push_back(dump);
  return {};
}

std::string BuildGpio(const Args& a, Plan& p) {
  static constexpr std::array<std::pair<int, int>, 7> kLines = {{
      {26, IDC_POWER_ON},
      {27, IDC_I2C_ENABLE},
      {45, IDC_GPIO45},
      {50, IDC_GPIO50},
      {51, IDC_GPIO51},
      {52, IDC_GPIO52},
      {57, IDC_GPIO57},
  }};
  const auto line = Decimal(a[0], 0, 63);
  const auto state = CheckState(a[1]);
  if (!state)
    return Invalid("state (0 or 1)", a[1]);
  for (const auto& [number, id] : kLines)
    if (line && *line == number) {
      p.steps.push_back(CheckAndClick{id, *state});
      return {};
    }
  return Invalid("LINE (26, 27, 45, 50, 51, 52 or 57)", a[0]);
}

std::string BuildUartWrite(const Args& a, Plan& p) {
  p.steps = {SetText{IDC_UART_DATA, a[0]}, Click{IDC_UART_WRITE}};
  return {};
}

std::string BuildUartRead(const Args&, Plan& p) {
  p.steps = {Click{IDC_UART_READ}, PrintText{IDC_UART_DATA}};
  return {};
}

std::string BuildFpgaRead(const Args& a, Plan& p) {
  p.steps = {SetText{IDC_FPGA_READ_REG, a[0]}, Click{IDC_FPGA_READ}, PrintText{IDC_FPGA_DATA}};
  return {};
}

std::string BuildFpgaWrite(const Args& a, Plan& p) {
  p.steps = {SetText{IDC_FPGA_WRITE_REG, a[0]}, SetText{IDC_FPGA_WRITE_DATA, a[1]},
             Click{IDC_WRITE_TO_FPGA}};
  return {};
}

std::string BuildFpgaWrite4a(const Args& a, Plan& p) {
  p.steps = {SetText{IDC_REG4A_DATA, a[0]}, Click{IDC_WRITE_TO_4AH}};
  return {};
}

std::string BuildFpgaDump(const Args& a, Plan& p) {
  FpgaDump dump{0, 0};
  if (auto error = DumpRange(a, 0, 0x10000, dump.address, dump.count); !error.empty())
    return error;
  p.steps.push_back(dump);
  return {};
}

std::string BuildTestBits(const Args& a, Plan& p) {
  const auto word = Hex(a[0], 0xFFFF);
  if (!word)
    return Invalid("WORD (hexadecimal, up to ffff)", a[0]);
  for (int bit = 15; bit >= 0; --bit)
    p.steps.push_back(
        CheckAndClick{IDC_TEST_BIT15 + (15 - bit), static_cast<int>((*word >> bit) & 1)});
  p.steps.push_back(Click{IDC_SET_TEST_BITS});
  return {};
}

std::string SelectNumber(const Args& a, Plan& p, int id) {
  const auto n = Decimal(a[0], 0, 0xFFFF);
  if (!n)
    return Invalid("N", a[0]);
  p.steps.push_back(SelectEntry{id, std::to_string(*n)});
  return {};
}

std::string BuildMultiBeam(const Args& a, Plan& p) {
  return SelectNumber(a, p, IDC_MULTI_BEAM);
}
std::string BuildChannel(const Args& a, Plan& p) {
  return SelectNumber(a, p, IDC_AFE_CHANNEL);
}
std::string BuildBeam(const Args& a, Plan& p) {
  return SelectNumber(a, p, IDC_BEAM_INDEX);
}

std::string BuildRfSource(const Args& a, Plan& p) {
  const auto code = Decimal(a[0], 0, 3);
  if (!code)
    return Invalid("N (0 to 3)", a[0]);
  const std::string bits = {static_cast<char>('0' + (*code >> 1)),
                            static_cast<char>('0' + (*code & 1))};
  p.steps.push_back(SelectEntry{IDC_RF_SOURCE, "Source " + bits});
  return {};
}

std::string BuildCdBeams(const Args&, Plan& p) {
  p.steps = {Click{IDC_READ_CD_BEAMS}, PrintText{IDC_READ_CD_BEAMS}};
  return {};
}

template <int Button> std::string BuildLoad(const Args& a, Plan& p) {
  const QueueFile answer = FileAnswer(a.Rest(0));
  if (answer.path)
    p.steps.push_back(CheckFile{*answer.path});
  p.steps.insert(p.steps.end(), {answer, Click{Button}});
  p.progress = Button == IDC_LOAD_FIRMWARE;
  return {};
}

constexpr Entry kEntries[] = {
    {"set", "", "set ID [TEXT]", 1, kMany, BuildSet},
    {"get", "", "get ID", 1, 1, BuildGet},
    {"expect", "", "expect ID [TEXT]", 1, kMany, BuildExpect},
    {"select", "", "select ID INDEX", 2, 2, BuildSelect},
    {"check", "", "check ID 0|1", 2, 2, BuildCheck},
    {"click", "", "click ID", 1, 1, BuildClick},
    {"file", "", "file PATH", 1, kMany, BuildFile},
    {"show", "", "show", 0, 0, BuildShow},
    {"emc2101", "write", "emc2101 write REG DATA", 2, 2, BuildEmc2101Write},
    {"emc2101", "read", "emc2101 read REG", 1, 1, BuildEmc2101Read},
    {"pca9535", "write", "pca9535 write VALUE", 1, 1, BuildPca9535Write},
    {"pca9535", "read", "pca9535 read", 0, 0, BuildPca9535Read},
    {"ltc2633", "", "ltc2633 CMD DAC CODE", 3, 3, BuildLtc2633},
    {"pca9537", "write", "pca9537 write REG DATA", 2, 2, BuildPca9537Write},
    {"pca9537", "read", "pca9537 read REG", 1, 1, BuildPca9537Read},
    {"eeprom", "write", "eeprom write CHIP ADDR DATA", 3, 3, BuildEepromWrite},
    {"eeprom", "read", "eeprom read CHIP ADDR", 2, 2, BuildEepromRead},
    {"eeprom", "dump", "eeprom dump CHIP ADDR COUNT", 3, 3, BuildEepromDump},
    {"gpio", "", "gpio LINE 0|1", 2, 2, BuildGpio},
    {"uart", "write", "uart write BYTE", 1, 1, BuildUartWrite},
    {"uart", "read", "uart read", 0, 0, BuildUartRead},
    {"fpga", "read", "fpga read REG", 1, 1, BuildFpgaRead},
    {"fpga", "write", "fpga write REG VALUE", 2, 2, BuildFpgaWrite},
    {"fpga", "write4a", "fpga write4a VALUE", 1, 1, BuildFpgaWrite4a},
    {"fpga", "dump", "fpga dump ADDR COUNT", 2, 2, BuildFpgaDump},
    {"testbits", "", "testbits WORD", 1, 1, BuildTestBits},
    {"multibeam", "", "multibeam N", 1, 1, BuildMultiBeam},
    {"channel", "", "channel N", 1, 1, BuildChannel},
    {"beam", "", "beam N", 1, 1, BuildBeam},
    {"rfsource", "", "rfsource N", 1, 1, BuildRfSource},
    {"cdbeams", "", "cdbeams", 0, 0, BuildCdBeams},
    {"load", "firmware", "load firmware FILE", 1, kMany, BuildLoad<IDC_LOAD_FIRMWARE>},
    {"load", "ep1out", "load ep1out FILE", 1, kMany, BuildLoad<IDC_EP1OUT_FILE_LOAD>},
    {"load", "afe", "load afe FILE", 1, kMany, BuildLoad<IDC_AFE_TABLE_FILE_LOAD>},
    {"load", "apod", "load apod FILE", 1, kMany, BuildLoad<IDC_APOD_FILTER_LOAD>},
    {"load", "log", "load log FILE", 1, kMany, BuildLoad<IDC_LOGARITHM_LOAD>},
    {"load", "tfc", "load tfc FILE", 1, kMany, BuildLoad<IDC_TFC_LOAD>},
};

// Saves and read-backs.

// The firmware loader's 19-bit EEPROM space: eight chips of 64 KiB.
constexpr std::uint32_t kEepromSpace = 0x80000;

std::string BuildEepromSave(const Args& a, Plan& p) {
  const auto chip = Decimal(a[0], 0, 7);
  if (!chip)
    return Invalid("CHIP (0 to 7)", a[0]);
  const auto start = Hex(a[1], 0xFFFF);
  if (!start)
    return Invalid("ADDR", a[1]);
  // A read runs on into the next chip's space.
  const std::uint32_t address = (static_cast<std::uint32_t>(*chip) << 16) | *start;
  const auto count = Decimal(a[2], 1, kEepromSpace - address);
  if (!count)
    return Invalid("COUNT", a[2]) + " (1 to " + std::to_string(kEepromSpace - address) +
           " from this CHIP and ADDR)";
  p.steps.push_back(EepromSave{address, static_cast<std::uint32_t>(*count), a.Rest(3)});
  return {};
}

std::string BuildFirmwareSave(const Args& a, Plan& p) {
  const auto count = Decimal(a[0], 1, kEepromSpace);
  if (!count)
    return Invalid("COUNT", a[0]) + " (1 to " + std::to_string(kEepromSpace) + ")";
  p.steps.push_back(EepromSave{0, static_cast<std::uint32_t>(*count), a.Rest(1)});
  return {};
}

std::string BuildFpgaSave(const Args& a, Plan& p) {
  FpgaSave save{0, 0, std::nullopt, {}};
  std::size_t first = 0;
  if (a[0] == "bank") {
    const auto bank = Decimal(a[1], 0, 255);
    if (!bank)
      return Invalid("B (0 to 255)", a[1]);
    save.bank = static_cast<std::uint8_t>(*bank);
    first = 2;
  }
  if (a.size() < first + 3)
    return "usage of this command: fpga save [bank B] ADDR COUNT FILE";
  if (auto error = DumpRange(a, first, 0x10000, save.address, save.count); !error.empty())
    return error;
  if (save.bank && save.address < 0x8000)
    return "a bank is read in the table window: ADDR 8000 to ffff";
  save.path = a.Rest(first + 2);
  p.steps.push_back(save);
  return {};
}

template <Table T> std::string BuildVerifyTable(const Args& a, Plan& p) {
  p.steps.push_back(VerifyTable{T, a.Rest(0)});
  return {};
}

std::string RefuseVerifyTfc(const Args&, Plan&) {
  return "a TFC table cannot be verified: the committed TFC blocks are not readable through "
         "the register window";
}

constexpr Entry kReadbackEntries[] = {
    {"eeprom", "save", "eeprom save CHIP ADDR COUNT FILE", 4, kMany, BuildEepromSave},
    {"firmware", "save", "firmware save COUNT FILE", 2, kMany, BuildFirmwareSave},
    {"fpga", "save", "fpga save [bank B] ADDR COUNT FILE", 3, kMany, BuildFpgaSave},
    {"verify", "firmware", "verify firmware FILE", 1, kMany, BuildVerifyTable<Table::Firmware>},
    {"verify", "ep1out", "verify ep1out FILE", 1, kMany, BuildVerifyTable<Table::Ep1out>},
    {"verify", "afe", "verify afe FILE", 1, kMany, BuildVerifyTable<Table::Afe>},
    {"verify", "apod", "verify apod FILE", 1, kMany, BuildVerifyTable<Table::Apod>},
    {"verify", "log", "verify log FILE", 1, kMany, BuildVerifyTable<Table::Log>},
    {"verify", "tfc", "verify tfc FILE", 0, kMany, RefuseVerifyTfc},
};

template <std::size_t A, std::size_t B>
constexpr std::array<Entry, A + B> Joined(const Entry (&a)[A], const Entry (&b)[B]) {
  std::array<Entry, A + B> all{};
  std::copy(a, a + A, all.begin());
  std::copy(b, b + B, all.begin() + A);
  return all;
}

constexpr auto kAllEntries = Joined(kEntries, kReadbackEntries);

// "load KIND FILE --verify": the load's plan, then that of "verify KIND FILE".
std::optional<PlanResult> PlanLoadAndVerify(const Command& command) {
  if (command.words.size() < 3 || command.words[0] != "load" || command.words.back() != "--verify")
    return std::nullopt;
  Command load = command;
  load.words.pop_back();
  load.tails.pop_back();
  for (std::string& tail : load.tails) {
    tail.resize(tail.size() - command.tails.back().size());
    while (!tail.empty() && (tail.back() == ' ' || tail.back() == '\t'))
      tail.pop_back();
  }
  PlanResult result = MakePlan(load);
  if (!result.error.empty())
    return result;
  Command verify = load;
  verify.words[0] = "verify";
  PlanResult checked = MakePlan(verify);
  if (!checked.error.empty())
    return checked;
  result.plan.steps.insert(result.plan.steps.end(), checked.plan.steps.begin(),
                           checked.plan.steps.end());
  return result;
}

// Where a "=" word ends the arguments of a command with a fixed number of them.
std::optional<std::size_t> ExpectationAt(const Command& command, std::size_t first,
                                         const Entry& entry) {
  if (entry.maxArgs == kMany)
    return std::nullopt;
  const std::size_t last = std::min(command.words.size(), first + entry.maxArgs + 1);
  for (std::size_t at = first + entry.minArgs; at < last; ++at)
    if (command.words[at] == "=")
      return at;
  return std::nullopt;
}

std::string AddExpectation(const Command& command, std::size_t at, Plan& plan) {
  const auto* print = plan.steps.empty() ? nullptr : std::get_if<PrintText>(&plan.steps.back());
  if (print == nullptr)
    return "only a read takes '= EXPECTED'";
  std::string label;
  for (std::size_t i = 0; i < at; ++i)
    label += (i == 0 ? "" : " ") + command.words[i];
  plan.steps.push_back(ExpectText{print->id, command.Tail(at + 1), label});
  return {};
}

} // namespace

PlanResult MakePlan(const Command& command) {
  PlanResult result;
  if (command.words.empty() || !command.error.empty()) {
    result.error = command.words.empty() ? "empty command" : command.error;
    return result;
  }
  if (auto verified = PlanLoadAndVerify(command))
    return *verified;
  const std::string& name = command.words[0];
  bool known = false;
  std::string subcommands;
  for (const Entry& entry : kAllEntries) {
    if (entry.name != name)
      continue;
    known = true;
    if (!entry.sub.empty()) {
      subcommands += subcommands.empty() ? "" : ", ";
      subcommands += entry.sub;
      if (command.words.size() < 2 || command.words[1] != entry.sub)
        continue;
    }
    const std::size_t first = entry.sub.empty() ? 1 : 2;
    const auto expectation = ExpectationAt(command, first, entry);
    const Args args{command, first, expectation.value_or(command.words.size()) - first};
    if (args.size() < entry.minArgs || args.size() > entry.maxArgs) {
      result.error = "usage of this command: " + std::string(entry.synopsis);
      return result;
    }
    result.error = entry.build(args, result.plan);
    if (result.error.empty() && expectation)
      result.error = AddExpectation(command, *expectation, result.plan);
    if (!result.error.empty())
      result.plan = Plan{};
    return result;
  }
  result.error = known ? name + " needs one of: " + subcommands : "unknown command '" + name + "'";
  return result;
}

std::vector<CommandWords> KnownCommands() {
  std::vector<CommandWords> words;
  for (const Entry& entry : kEntries)
    words.push_back({entry.name, entry.sub});
  return words;
}

} // namespace cli

#include "cli/plan.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <span>
#include <string_view>

#include "device/board_map.hpp"
#include "loaders/table_window.hpp"
#include "ui/dialog_template.hpp"
#include "ui/gpio_wiring.hpp"
#include "ui/resource.hpp"

namespace cli {

namespace {

using dlg::ControlKind;

struct Entry;

// The arguments of one command, after its name.
struct Args {
  const Entry& entry;
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
using Describer = std::string (*)(const Entry&);

// What a named command does to one of the dialog's controls.
enum class Act { Set, Select, Click, Print };
struct Wire {
  Act act;
  int id;
  int arg = -1; // the command's argument it takes: typed (Set) or an index (Select)
};

struct Entry {
  std::string_view name;
  std::string_view sub; // empty: the command is one word
  std::string_view synopsis;
  std::size_t minArgs;
  std::size_t maxArgs; // kMany: the last argument takes the rest of the line
  Builder build;
  // A named command's help, from the controls it acts on; null for the others.
  Describer describe = nullptr;
  std::span<const Wire> wires = {}; // the steps of BuildWired
  int id = 0;                       // the control of a one-control command
};

// Word i of the arguments in the synopsis, as "CMD" in "ltc2633 CMD DAC CODE".
std::string_view ArgName(const Entry& entry, int i) {
  std::string_view words = entry.synopsis;
  for (int skip = i + (entry.sub.empty() ? 1 : 2); skip > 0; --skip)
    words.remove_prefix(words.find(' ') + 1);
  return words.substr(0, words.find(' '));
}

std::string IdText(int id) {
  return std::to_string(id);
}

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

std::optional<int> Index(const std::string& word) {
  const auto value = Decimal(word, -1, 0xFFFF);
  return value ? std::optional<int>(static_cast<int>(*value)) : std::nullopt;
}

std::string BuildWired(const Args& a, Plan& p) {
  for (const Wire& wire : a.entry.wires) {
    switch (wire.act) {
    case Act::Set:
      p.steps.push_back(SetText{wire.id, a[static_cast<std::size_t>(wire.arg)]});
      break;
    case Act::Select: {
      const std::string& word = a[static_cast<std::size_t>(wire.arg)];
      const auto index = Index(word);
      if (!index)
        return Invalid(ArgName(a.entry, wire.arg), word);
      p.steps.push_back(SelectIndex{wire.id, *index});
      break;
    }
    case Act::Click:
      p.steps.push_back(Click{wire.id});
      break;
    case Act::Print:
      p.steps.push_back(PrintText{wire.id});
      break;
    }
  }
  return {};
}

std::string DescribeWired(const Entry& entry) {
  static constexpr const char* kVerbs[] = {"set ", "select ", "click ", "print "};
  std::string text;
  for (const Wire& wire : entry.wires) {
    text += text.empty() ? "" : ", ";
    text += kVerbs[static_cast<int>(wire.act)];
    // A button shows what it read in its caption.
    const bool caption = wire.act == Act::Print &&
                         kVeltaEditorTemplate.Find(wire.id)->kind == ControlKind::PushButton;
    text += caption ? "its caption" : IdText(wire.id);
    if (wire.act == Act::Select)
      text += ' ' + std::string(ArgName(entry, wire.arg));
  }
  return text;
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

std::optional<long> Chip(const std::string& word) {
  return Decimal(word, 0, board::kEepromChips - 1);
}

std::string InvalidChip(const std::string& word) {
  return Invalid("CHIP (0 to " + std::to_string(board::kEepromChips - 1) + ")", word);
}

std::string BuildEepromDump(const Args& a, Plan& p) {
  const auto chip = Chip(a[0]);
  if (!chip)
    return InvalidChip(a[0]);
  EepromDump dump{static_cast<int>(*chip), 0, 0};
  if (auto error = DumpRange(a, 1, board::kEepromChipBytes, dump.address, dump.count);
      !error.empty())
    return error;
  p.steps.push_back(dump);
  return {};
}

std::string BuildGpio(const Args& a, Plan& p) {
  const auto line = Decimal(a[0], 0, 63);
  const auto state = CheckState(a[1]);
  if (!state)
    return Invalid("state (0 or 1)", a[1]);
  for (const GpioBox& box : kGpioBoxes)
    if (line && *line == box.line) {
      p.steps.push_back(CheckAndClick{box.id, *state});
      return {};
    }
  return Invalid("LINE (" + GpioLineList() + ")", a[0]);
}

std::string DescribeGpio(const Entry&) {
  return "check the box of line " + GpioLineList();
}

std::string BuildFpgaDump(const Args& a, Plan& p) {
  FpgaDump dump{0, 0};
  if (auto error = DumpRange(a, 0, board::kFpgaAddresses, dump.address, dump.count); !error.empty())
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

std::string DescribeTestBits(const Entry&) {
  return "boxes " + IdText(IDC_TEST_BIT15) + " (bit 15) to " + IdText(IDC_TEST_BIT0) +
         " (bit 0) from the\nhexadecimal WORD, click " + IdText(IDC_SET_TEST_BITS);
}

std::string BuildNumber(const Args& a, Plan& p) {
  const auto n = Decimal(a[0], 0, 0xFFFF);
  if (!n)
    return Invalid("N", a[0]);
  p.steps.push_back(SelectEntry{a.entry.id, std::to_string(*n)});
  return {};
}

std::string DescribeNumber(const Entry& entry) {
  return "select the entry showing N in " + IdText(entry.id);
}

std::string BuildRfSource(const Args& a, Plan& p) {
  const auto code = Decimal(a[0], 0, 3);
  if (!code)
    return Invalid("N (0 to 3)", a[0]);
  const std::string bits = {static_cast<char>('0' + (*code >> 1)),
                            static_cast<char>('0' + (*code & 1))};
  p.steps.push_back(SelectEntry{a.entry.id, "Source " + bits});
  return {};
}

std::string DescribeRfSource(const Entry& entry) {
  return "select \"Source bb\" (N = code 0 to 3) in " + IdText(entry.id);
}

std::string BuildLoad(const Args& a, Plan& p) {
  const QueueFile answer = FileAnswer(a.Rest(0));
  if (answer.path)
    p.steps.push_back(CheckFile{*answer.path});
  p.steps.insert(p.steps.end(), {answer, Click{a.entry.id}});
  p.progress = a.entry.id == IDC_LOAD_FIRMWARE;
  return {};
}

std::string DescribeLoad(const Entry& entry) {
  std::string text = "file FILE, click " + IdText(entry.id);
  if (entry.id == IDC_EP1OUT_FILE_LOAD)
    text += " (starts at " + IdText(IDC_EP1OUT_START) + " as it stands:\n'set " +
            IdText(IDC_EP1OUT_START) + " 100' first)";
  return text;
}

constexpr Wire kEmc2101Write[] = {{Act::Set, IDC_EMC2101_REG, 0},
                                  {Act::Set, IDC_EMC2101_DATA, 1},
                                  {Act::Click, IDC_EMC2101_WRITE}};
constexpr Wire kEmc2101Read[] = {
    {Act::Set, IDC_EMC2101_REG, 0}, {Act::Click, IDC_EMC2101_READ}, {Act::Print, IDC_EMC2101_DATA}};
constexpr Wire kPca9535Write[] = {{Act::Set, IDC_PCA9535_DATA, 0}, {Act::Click, IDC_PCA9535_WRITE}};
constexpr Wire kPca9535Read[] = {{Act::Click, IDC_PCA9535_READ}, {Act::Print, IDC_PCA9535_DATA}};
constexpr Wire kLtc2633[] = {{Act::Select, IDC_LTC2633_COMMAND, 0},
                             {Act::Select, IDC_LTC2633_DAC, 1},
                             {Act::Set, IDC_LTC2633_DATA, 2},
                             {Act::Click, IDC_LTC2633_WRITE}};
constexpr Wire kPca9537Write[] = {{Act::Select, IDC_PCA9537_REG, 0},
                                  {Act::Set, IDC_PCA9537_DATA, 1},
                                  {Act::Click, IDC_PCA9537_WRITE}};
constexpr Wire kPca9537Read[] = {{Act::Select, IDC_PCA9537_REG, 0},
                                 {Act::Click, IDC_PCA9537_READ},
                                 {Act::Print, IDC_PCA9537_DATA}};
constexpr Wire kEepromWrite[] = {{Act::Select, IDC_AT24C64_CHIP, 0},
                                 {Act::Set, IDC_AT24C64_ADDR, 1},
                                 {Act::Set, IDC_AT24C64_DATA, 2},
                                 {Act::Click, IDC_AT24C64_WRITE}};
constexpr Wire kEepromRead[] = {{Act::Select, IDC_AT24C64_CHIP, 0},
                                {Act::Set, IDC_AT24C64_ADDR, 1},
                                {Act::Click, IDC_AT24C64_READ},
                                {Act::Print, IDC_AT24C64_DATA}};
constexpr Wire kUartWrite[] = {{Act::Set, IDC_UART_DATA, 0}, {Act::Click, IDC_UART_WRITE}};
constexpr Wire kUartRead[] = {{Act::Click, IDC_UART_READ}, {Act::Print, IDC_UART_DATA}};
constexpr Wire kFpgaRead[] = {
    {Act::Set, IDC_FPGA_READ_REG, 0}, {Act::Click, IDC_FPGA_READ}, {Act::Print, IDC_FPGA_DATA}};
constexpr Wire kFpgaWrite[] = {{Act::Set, IDC_FPGA_WRITE_REG, 0},
                               {Act::Set, IDC_FPGA_WRITE_DATA, 1},
                               {Act::Click, IDC_WRITE_TO_FPGA}};
constexpr Wire kFpgaWrite4a[] = {{Act::Set, IDC_REG4A_DATA, 0}, {Act::Click, IDC_WRITE_TO_4AH}};
constexpr Wire kCdBeams[] = {{Act::Click, IDC_READ_CD_BEAMS}, {Act::Print, IDC_READ_CD_BEAMS}};

constexpr Entry kEntries[] = {
    {"set", "", "set ID [TEXT]", 1, kMany, BuildSet},
    {"get", "", "get ID", 1, 1, BuildGet},
    {"expect", "", "expect ID [TEXT]", 1, kMany, BuildExpect},
    {"select", "", "select ID INDEX", 2, 2, BuildSelect},
    {"check", "", "check ID 0|1", 2, 2, BuildCheck},
    {"click", "", "click ID", 1, 1, BuildClick},
    {"file", "", "file PATH", 1, kMany, BuildFile},
    {"show", "", "show", 0, 0, BuildShow},
    {"emc2101", "write", "emc2101 write REG DATA", 2, 2, BuildWired, DescribeWired, kEmc2101Write},
    {"emc2101", "read", "emc2101 read REG", 1, 1, BuildWired, DescribeWired, kEmc2101Read},
    {"pca9535", "write", "pca9535 write VALUE", 1, 1, BuildWired, DescribeWired, kPca9535Write},
    {"pca9535", "read", "pca9535 read", 0, 0, BuildWired, DescribeWired, kPca9535Read},
    {"ltc2633", "", "ltc2633 CMD DAC CODE", 3, 3, BuildWired, DescribeWired, kLtc2633},
    {"pca9537", "write", "pca9537 write REG DATA", 2, 2, BuildWired, DescribeWired, kPca9537Write},
    {"pca9537", "read", "pca9537 read REG", 1, 1, BuildWired, DescribeWired, kPca9537Read},
    {"eeprom", "write", "eeprom write CHIP ADDR DATA", 3, 3, BuildWired, DescribeWired,
     kEepromWrite},
    {"eeprom", "read", "eeprom read CHIP ADDR", 2, 2, BuildWired, DescribeWired, kEepromRead},
    {"eeprom", "dump", "eeprom dump CHIP ADDR COUNT", 3, 3, BuildEepromDump},
    {"gpio", "", "gpio LINE 0|1", 2, 2, BuildGpio, DescribeGpio},
    {"uart", "write", "uart write BYTE", 1, 1, BuildWired, DescribeWired, kUartWrite},
    {"uart", "read", "uart read", 0, 0, BuildWired, DescribeWired, kUartRead},
    {"fpga", "read", "fpga read REG", 1, 1, BuildWired, DescribeWired, kFpgaRead},
    {"fpga", "write", "fpga write REG VALUE", 2, 2, BuildWired, DescribeWired, kFpgaWrite},
    {"fpga", "write4a", "fpga write4a VALUE", 1, 1, BuildWired, DescribeWired, kFpgaWrite4a},
    {"fpga", "dump", "fpga dump ADDR COUNT", 2, 2, BuildFpgaDump},
    {"testbits", "", "testbits WORD", 1, 1, BuildTestBits, DescribeTestBits},
    {"multibeam", "", "multibeam N", 1, 1, BuildNumber, DescribeNumber, {}, IDC_MULTI_BEAM},
    {"channel", "", "channel N", 1, 1, BuildNumber, DescribeNumber, {}, IDC_AFE_CHANNEL},
    {"beam", "", "beam N", 1, 1, BuildNumber, DescribeNumber, {}, IDC_BEAM_INDEX},
    {"rfsource", "", "rfsource N", 1, 1, BuildRfSource, DescribeRfSource, {}, IDC_RF_SOURCE},
    {"cdbeams", "", "cdbeams", 0, 0, BuildWired, DescribeWired, kCdBeams},
    {"load",
     "firmware",
     "load firmware FILE",
     1,
     kMany,
     BuildLoad,
     DescribeLoad,
     {},
     IDC_LOAD_FIRMWARE},
    {"load",
     "ep1out",
     "load ep1out FILE",
     1,
     kMany,
     BuildLoad,
     DescribeLoad,
     {},
     IDC_EP1OUT_FILE_LOAD},
    {"load",
     "afe",
     "load afe FILE",
     1,
     kMany,
     BuildLoad,
     DescribeLoad,
     {},
     IDC_AFE_TABLE_FILE_LOAD},
    {"load", "apod", "load apod FILE", 1, kMany, BuildLoad, DescribeLoad, {}, IDC_APOD_FILTER_LOAD},
    {"load", "log", "load log FILE", 1, kMany, BuildLoad, DescribeLoad, {}, IDC_LOGARITHM_LOAD},
    {"load", "tfc", "load tfc FILE", 1, kMany, BuildLoad, DescribeLoad, {}, IDC_TFC_LOAD},
};

// Saves and read-backs.

using board::kEepromSpace;

std::string BuildEepromSave(const Args& a, Plan& p) {
  const auto chip = Chip(a[0]);
  if (!chip)
    return InvalidChip(a[0]);
  const auto start = Hex(a[1], board::kEepromChipBytes - 1);
  if (!start)
    return Invalid("ADDR", a[1]);
  // A read runs on into the next chip's space.
  const std::uint32_t address =
      static_cast<std::uint32_t>(*chip) * board::kEepromChipBytes + *start;
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
  if (auto error = DumpRange(a, first, board::kFpgaAddresses, save.address, save.count);
      !error.empty())
    return error;
  if (save.bank && save.address < loaders::kTableWindow)
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
    const Args args{entry, command, first, expectation.value_or(command.words.size()) - first};
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

std::vector<NamedHelp> NamedCommandsHelp() {
  std::vector<NamedHelp> help;
  for (const Entry& entry : kEntries)
    if (entry.describe)
      help.push_back({std::string(entry.synopsis), entry.describe(entry)});
  return help;
}

std::vector<CommandWords> KnownCommands() {
  std::vector<CommandWords> words;
  for (const Entry& entry : kEntries)
    words.push_back({entry.name, entry.sub});
  return words;
}

} // namespace cli

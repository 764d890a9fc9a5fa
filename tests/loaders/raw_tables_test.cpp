#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <string>
#include <vector>

#include "loaders/afe_table.hpp"
#include "loaders/ep1out_blocks.hpp"
#include "loaders/firmware_image.hpp"
#include "support/case_names.hpp"

namespace {

using Bytes = std::vector<std::uint8_t>;

// Bytes 0, 1, 2, ... wrapping at 256.
Bytes Counting(std::size_t n) {
  Bytes bytes(n);
  for (std::size_t i = 0; i < n; ++i)
    bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
  return bytes;
}

struct FirmwareCase {
  std::size_t size;
  std::vector<std::uint16_t> devices;
  std::vector<std::uint16_t> addresses;
  std::vector<std::size_t> lengths; // image bytes per piece
  std::vector<int> percents;
};

class FirmwareSplit : public ::testing::TestWithParam<FirmwareCase> {};

TEST_P(FirmwareSplit, PiecesOfThirtyTwoBytesWithTheirAddresses) {
  const auto& c = GetParam();
  const Bytes image = Counting(c.size);
  const auto pieces = loaders::FirmwarePieces(image);
  ASSERT_EQ(pieces.size(), c.lengths.size());
  std::size_t offset = 0;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(pieces[i].device, c.devices[i]);
    ASSERT_EQ(pieces[i].data.size(), c.lengths[i] + 2);
    EXPECT_EQ(pieces[i].data[0] << 8 | pieces[i].data[1], c.addresses[i]);
    EXPECT_EQ(Bytes(pieces[i].data.begin() + 2, pieces[i].data.end()),
              Bytes(image.begin() + offset, image.begin() + offset + c.lengths[i]));
    EXPECT_EQ(pieces[i].percent, c.percents[i]);
    offset += c.lengths[i];
  }
}

INSTANTIATE_TEST_SUITE_P(
    Images, FirmwareSplit,
    ::testing::Values(FirmwareCase{1, {0x50}, {0}, {1}, {100}},
                      FirmwareCase{33, {0x50, 0x50}, {0, 0x20}, {32, 1}, {96, 100}},
                      FirmwareCase{100,
                                   {0x50, 0x50, 0x50, 0x50},
                                   {0, 0x20, 0x40, 0x60},
                                   {32, 32, 32, 4},
                                   {32, 64, 96, 100}}),
    support::NamedBy([](const FirmwareCase& c) { return std::to_string(c.size); }));

TEST(FirmwareSplit, SixtyFourKibPlusOneEndsOnTheNextDevice) {
  const auto pieces = loaders::FirmwarePieces(Counting(65537));
  ASSERT_EQ(pieces.size(), 2049u);
  EXPECT_EQ(pieces[2047].device, 0x50);
  EXPECT_EQ(pieces[2047].data[0], 0xFF);
  EXPECT_EQ(pieces[2047].data[1], 0xE0);
  EXPECT_EQ(pieces.back().device, 0x51);
  EXPECT_EQ(pieces.back().data, (Bytes{0x00, 0x00, static_cast<std::uint8_t>(65536 * 7 + 3)}));
  EXPECT_EQ(pieces.back().percent, 100);
  EXPECT_EQ(pieces[2047].percent, 99);
}

TEST(FirmwareSplit, TheLargestImageReachesTheLastDevice) {
  const auto pieces = loaders::FirmwarePieces(Counting(loaders::kFirmwareMaxBytes));
  ASSERT_EQ(pieces.size(), 16384u);
  EXPECT_EQ(pieces.back().device, 0x57);
  EXPECT_EQ(pieces.back().data[0], 0xFF);
  EXPECT_EQ(pieces.back().data[1], 0xE0);
}

struct StartCase {
  const char* field;
  std::uint16_t start;
};

class Ep1outStart : public ::testing::TestWithParam<StartCase> {};

TEST_P(Ep1outStart, ReadsHexWithZeroForNothingOrNegative) {
  EXPECT_EQ(loaders::Ep1outStartAddress(GetParam().field), GetParam().start);
}

INSTANTIATE_TEST_SUITE_P(Fields, Ep1outStart,
                         ::testing::Values(StartCase{"100", 0x100}, StartCase{"", 0},
                                           StartCase{"zz", 0}, StartCase{"1F000", 0xF000},
                                           StartCase{"FFFE", 0xFFFE}, StartCase{"-3", 0},
                                           StartCase{"80000000", 0}, StartCase{"7FFFFFFF", 0xFFFF}),
                         support::NamedBy([](const StartCase& c) { return c.field; }));

Bytes Pairs(std::initializer_list<std::pair<std::uint16_t, std::uint16_t>> pairs) {
  Bytes bytes;
  for (const auto& [address, value] : pairs) {
    bytes.push_back(static_cast<std::uint8_t>(address));
    bytes.push_back(static_cast<std::uint8_t>(address >> 8));
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
  }
  return bytes;
}

// Every block the reader builds from a file of `length` bytes holding `bytes`.
std::vector<Bytes> Ep1outBlocks(const Bytes& bytes, std::uint16_t start,
                                std::uint64_t length = UINT64_MAX) {
  loaders::StringSource file(std::string(bytes.begin(), bytes.end()));
  loaders::Ep1outBlockReader reader(file, length == UINT64_MAX ? bytes.size() : length, start);
  std::vector<Bytes> blocks;
  while (reader.Next())
    blocks.emplace_back(reader.Block().begin(), reader.Block().end());
  return blocks;
}

TEST(Ep1outBlocks, SmallFilesGiveOneBlock) {
  const Bytes six{0x11, 0x22, 0x33, 0x44, 0x55, 0x66};
  EXPECT_EQ(Ep1outBlocks(six, 0x100),
            std::vector<Bytes>{Pairs({{0x100, 0x2211}, {0x101, 0x4433}, {0x102, 0x6655}})});
  EXPECT_EQ(Ep1outBlocks(Bytes{1, 2, 3, 4, 5}, 0),
            std::vector<Bytes>{Pairs({{0, 0x0201}, {1, 0x0403}})});
  EXPECT_EQ(Ep1outBlocks(Bytes{9}, 0), std::vector<Bytes>{Bytes{}});
  EXPECT_EQ(Ep1outBlocks(six, 0xFFFE),
            std::vector<Bytes>{Pairs({{0xFFFE, 0x2211}, {0xFFFF, 0x4433}, {0, 0x6655}})});
}

TEST(Ep1outBlocks, LargeFilesSplitIntoBlocksWhoseLengthFitsSixteenBits) {
  const auto at32767 = Ep1outBlocks(Counting(32767), 0);
  ASSERT_EQ(at32767.size(), 1u);
  EXPECT_EQ(at32767[0].size(), 65532u);

  const Bytes file = Counting(2 * 16383 * 2 + 6);
  const auto blocks = Ep1outBlocks(file, 0x10);
  ASSERT_EQ(blocks.size(), 3u);
  EXPECT_EQ(blocks[0].size(), 65532u);
  EXPECT_EQ(blocks[1].size(), 65532u);
  EXPECT_EQ(blocks[2].size(), 12u);
  // Addresses run on from block to block.
  const std::uint16_t second = static_cast<std::uint16_t>(0x10 + 16383);
  EXPECT_EQ(blocks[1][0] | blocks[1][1] << 8, second);
  const std::size_t w = 2 * 16383;
  EXPECT_EQ(blocks[2],
            Pairs({{static_cast<std::uint16_t>(0x10 + w),
                    static_cast<std::uint16_t>(file[2 * w] | file[2 * w + 1] << 8)},
                   {static_cast<std::uint16_t>(0x10 + w + 1),
                    static_cast<std::uint16_t>(file[2 * w + 2] | file[2 * w + 3] << 8)},
                   {static_cast<std::uint16_t>(0x10 + w + 2),
                    static_cast<std::uint16_t>(file[2 * w + 4] | file[2 * w + 5] << 8)}}));
}

// A file that gives fewer bytes than its size: the block it cannot fill is not
// built, nor any after it.
TEST(Ep1outBlocks, AShortReadEndsBeforeTheBlockItCannotFill) {
  EXPECT_EQ(Ep1outBlocks(Counting(10), 0, 12), std::vector<Bytes>{});
  const Bytes file = Counting(2 * 16383 + 10);
  const auto blocks = Ep1outBlocks(file, 0, 4 * 16383);
  ASSERT_EQ(blocks.size(), 1u);
  EXPECT_EQ(blocks[0], Ep1outBlocks(Bytes(file.begin(), file.begin() + 2 * 16383), 0)[0]);
}

using Kind = loaders::AfeStep::Kind;

// A plan as text-free tuples: (kind, bank, write, first word, count, base).
struct StepView {
  Kind kind;
  std::uint32_t bank;
  bool write;
  std::size_t first;
  std::size_t count;
  std::uint32_t base;
  bool operator==(const StepView&) const = default;
};

std::vector<StepView> View(const std::vector<loaders::AfeStep>& plan) {
  std::vector<StepView> view;
  for (const auto& s : plan) {
    if (s.kind == Kind::SelectBank)
      view.push_back({s.kind, s.bank, s.write, 0, 0, 0});
    else
      view.push_back({s.kind, 0, false, s.firstWord, s.count, s.base});
  }
  return view;
}

StepView Select(std::uint32_t bank, bool write) {
  return {Kind::SelectBank, bank, write, 0, 0, 0};
}
StepView Block(std::size_t first, std::size_t count, std::uint32_t base) {
  return {Kind::TableBlock, 0, false, first, count, base};
}

TEST(AfeTablePlan, SmallTables) {
  EXPECT_EQ(View(loaders::AfeTablePlan(2)),
            (std::vector<StepView>{Select(0, true), Block(0, 1, 0x8000)}));
  EXPECT_EQ(View(loaders::AfeTablePlan(20)),
            (std::vector<StepView>{Select(0, true), Block(0, 10, 0x8000)}));
  EXPECT_EQ(View(loaders::AfeTablePlan(0)), (std::vector<StepView>{Select(0, true)}));
}

TEST(AfeTablePlan, BankChangesAfterEveryThirtyTwoBlocks) {
  std::vector<StepView> full{Select(0, true)};
  for (std::size_t i = 0; i < 32; ++i)
    full.push_back(Block(i * 1024, 1024, 0x8000 + i * 1024));
  std::vector<StepView> exact = full;
  exact.push_back(Select(1, false));
  EXPECT_EQ(View(loaders::AfeTablePlan(65536)), exact);

  std::vector<StepView> oneMore = full;
  oneMore.push_back(Select(1, true));
  oneMore.push_back(Block(32768, 1, 0x8000));
  EXPECT_EQ(View(loaders::AfeTablePlan(65538)), oneMore);
}

TEST(AfeTablePlan, ALastWordAtFFFEStillReadsTheBankRegister) {
  const auto plan = View(loaders::AfeTablePlan(2 * 32767));
  ASSERT_EQ(plan.size(), 34u);
  EXPECT_EQ(plan[32], Block(31 * 1024, 1023, 0x8000 + 31 * 1024));
  EXPECT_EQ(plan[33], Select(1, false));
}

TEST(AfeTablePlan, SixteenMibUsesBanksUpTo255Only) {
  const auto plan = loaders::AfeTablePlan(loaders::kAfeTableMaxBytes);
  std::uint32_t lastWritten = 0;
  std::size_t selects = 0;
  for (const auto& s : plan) {
    if (s.kind == Kind::SelectBank && s.write) {
      lastWritten = s.bank;
      ++selects;
    }
  }
  EXPECT_EQ(selects, 256u);
  EXPECT_EQ(lastWritten, 255u);
  EXPECT_EQ(plan.back().kind, Kind::SelectBank);
  EXPECT_FALSE(plan.back().write);
}

TEST(AfeTableBlock, ShortBlocksRepeatTheirLastPairToEight) {
  const Bytes table{0x34, 0x12, 0x78, 0x56, 0xBC, 0x9A};
  EXPECT_EQ(loaders::AfeTableBlock(table, {Kind::TableBlock, 0, true, 0, 1, 0x8000}),
            Pairs({{0x8000, 0x1234},
                   {0x8000, 0x1234},
                   {0x8000, 0x1234},
                   {0x8000, 0x1234},
                   {0x8000, 0x1234},
                   {0x8000, 0x1234},
                   {0x8000, 0x1234},
                   {0x8000, 0x1234}}));
  EXPECT_EQ(loaders::AfeTableBlock(table, {Kind::TableBlock, 0, true, 1, 2, 0x9000}),
            Pairs({{0x9000, 0x5678},
                   {0x9001, 0x9ABC},
                   {0x9001, 0x9ABC},
                   {0x9001, 0x9ABC},
                   {0x9001, 0x9ABC},
                   {0x9001, 0x9ABC},
                   {0x9001, 0x9ABC},
                   {0x9001, 0x9ABC}}));
}

TEST(AfeTableBlock, FullBlocksCarryTheirWordsInOrder) {
  const Bytes table = Counting(4096);
  const auto block = loaders::AfeTableBlock(table, {Kind::TableBlock, 0, true, 0, 1024, 0xFC00});
  ASSERT_EQ(block.size(), 4096u);
  EXPECT_EQ(Bytes(block.end() - 4, block.end()), (Bytes{0xFF, 0xFF, table[4094], table[4095]}));
}

TEST(BankValue, KeepsTheHighByte) {
  EXPECT_EQ(loaders::BankValue(0x1234, 0), 0x1200);
  EXPECT_EQ(loaders::BankValue(0x1200, 1), 0x1201);
  EXPECT_EQ(loaders::BankValue(0xFFFF, 255), 0xFFFF);
}

} // namespace

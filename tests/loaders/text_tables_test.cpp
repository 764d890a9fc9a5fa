#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "loaders/apod_filter.hpp"
#include "loaders/logarithm_table.hpp"
#include "loaders/tfc_table.hpp"
#include "support/case_names.hpp"

namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint16_t U16(const Bytes& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}
template <std::size_t N> std::uint16_t U16(const std::array<std::uint8_t, N>& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

// Numbers 0..count-1 as (i * 3 - 5), perLine to a line, CR LF line ends.
std::string NumbersText(std::size_t count, std::size_t perLine) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) {
    text += std::to_string(static_cast<long>(i) * 3 - 5);
    text += (i + 1) % perLine == 0 ? "\r\n" : " ";
  }
  return text;
}

loaders::ApodFilter Apod(const std::string& text) {
  loaders::StringSource source(text);
  loaders::TableTextReader reader(source, 1000);
  return loaders::ReadApodFilter(reader);
}

TEST(ApodFilter, AnyLineArrangementOf8192GivesTheSamePairs) {
  const auto one = Apod(NumbersText(8192, 1));
  const auto grid = Apod(NumbersText(8192, 128));
  const auto line = Apod(NumbersText(8192, 8192));
  ASSERT_TRUE(one.Complete());
  ASSERT_EQ(one.pairs.size(), 0x8000u);
  EXPECT_EQ(one.pairs, grid.pairs);
  EXPECT_EQ(one.pairs, line.pairs);
  EXPECT_EQ(Bytes(one.pairs.begin(), one.pairs.begin() + 4), (Bytes{0x00, 0x40, 0xFB, 0xFF}));
  EXPECT_EQ(U16(one.pairs, 0x8000 - 4), 0x5FFF);
  EXPECT_EQ(U16(one.pairs, 0x8000 - 2), static_cast<std::uint16_t>(8191 * 3 - 5));
}

struct CountCase {
  std::size_t numbers;
  std::size_t counted;
  bool complete;
};

class ApodCount : public ::testing::TestWithParam<CountCase> {};

TEST_P(ApodCount, OnlyExactly8192IsComplete) {
  const auto filter = Apod(NumbersText(GetParam().numbers, 100));
  EXPECT_EQ(filter.count, GetParam().counted);
  EXPECT_EQ(filter.Complete(), GetParam().complete);
  EXPECT_LE(filter.pairs.size(), 0x8000u);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, ApodCount,
    ::testing::Values(CountCase{0, 0, false}, CountCase{8191, 8191, false},
                      CountCase{8192, 8192, true}, CountCase{8193, 8193, false},
                      CountCase{50000, 8193, false}),
    support::NamedBy([](const CountCase& c) { return std::to_string(c.numbers); }));

TEST(ApodFilter, ValuesAreTheLow16Bits) {
  std::string text = "-1 65535 65536 70000 x 3\n\nheading\n";
  text += NumbersText(8188, 64);
  const auto filter = Apod(text);
  ASSERT_TRUE(filter.Complete());
  EXPECT_EQ(U16(filter.pairs, 2), 0xFFFF);
  EXPECT_EQ(U16(filter.pairs, 6), 0xFFFF);
  EXPECT_EQ(U16(filter.pairs, 10), 0x0000);
  EXPECT_EQ(U16(filter.pairs, 14), 0x1170);
  EXPECT_EQ(U16(filter.pairs, 16), 0x4004);
  EXPECT_EQ(U16(filter.pairs, 18), static_cast<std::uint16_t>(-5));
}

loaders::LogarithmStream Log(const std::string& text) {
  loaders::StringSource source(text);
  loaders::TableTextReader reader(source);
  return loaders::ReadLogarithmStream(reader);
}

TEST(LogarithmStream, BankSelectionsSitBeforeEntries0And32768) {
  EXPECT_TRUE(Log("text only\n").bytes.empty());
  const auto full = Log(NumbersText(32769, 16));
  ASSERT_EQ(full.bytes.size(), 4u * (32769 + 2));
  EXPECT_EQ(Bytes(full.bytes.begin(), full.bytes.begin() + 8),
            (Bytes{0x04, 0x00, 0x05, 0x00, 0x00, 0x80, 0xFB, 0xFF}));
  const std::size_t at = 4 * (1 + 32768);
  EXPECT_EQ(Bytes(full.bytes.begin() + at, full.bytes.end()),
            (Bytes{0x04, 0x00, 0x06, 0x00, 0x00, 0x80, static_cast<std::uint8_t>(32768 * 3 - 5),
                   static_cast<std::uint8_t>((32768 * 3 - 5) >> 8)}));
  EXPECT_EQ(U16(full.bytes, at - 4), 0xFFFF);
}

TEST(LogarithmStream, SeventyThousandNumbersSendTheFirst65536) {
  const auto many = Log(NumbersText(70000, 70000));
  const auto exact = Log(NumbersText(65536, 65536));
  EXPECT_EQ(many.count, 65536u);
  EXPECT_EQ(many.bytes.size(), 262152u);
  EXPECT_EQ(loaders::LogarithmTransfers(many.bytes), loaders::LogarithmTransfers(exact.bytes));
}

TEST(LogarithmTransfers, AFullTableEndsWithA32ByteTransferReusingTheBuffer) {
  const auto stream = Log(NumbersText(65536, 256));
  const auto transfers = loaders::LogarithmTransfers(stream.bytes);
  ASSERT_EQ(transfers.size(), 257u);
  for (std::size_t i = 0; i < 256; ++i)
    ASSERT_EQ(transfers[i].size(), 1024u);
  const Bytes& last = transfers.back();
  const Bytes& before = transfers[255];
  ASSERT_EQ(last.size(), 32u);
  EXPECT_EQ(Bytes(last.begin(), last.begin() + 8),
            Bytes(stream.bytes.end() - 8, stream.bytes.end()));
  EXPECT_EQ(Bytes(last.begin() + 8, last.end()), Bytes(before.begin() + 8, before.begin() + 32));
  EXPECT_EQ(U16(last, 8), 0xFF00);
  EXPECT_EQ(U16(last, 28), 0xFF05);
}

TEST(LogarithmTransfers, Half32768EndsWithEntry32767AndRepeats) {
  const auto stream = Log(NumbersText(32768, 32));
  const auto transfers = loaders::LogarithmTransfers(stream.bytes);
  ASSERT_EQ(transfers.size(), 129u);
  const Bytes& last = transfers.back();
  ASSERT_EQ(last.size(), 32u);
  EXPECT_EQ(U16(last, 0), 0xFFFF);
  EXPECT_EQ(Bytes(last.begin() + 4, last.end()),
            Bytes(transfers[127].begin() + 4, transfers[127].begin() + 32));
  for (std::size_t i = 0; i < stream.bytes.size(); i += 4)
    ASSERT_FALSE(U16(stream.bytes, i) == 4 && U16(stream.bytes, i + 2) == 6);
}

struct ShortCase {
  std::size_t numbers;
  std::size_t transfers;
  std::size_t lastLength;
};

class LogShortStreams : public ::testing::TestWithParam<ShortCase> {};

TEST_P(LogShortStreams, ShortStreamsAreFilledWithTheirLastPair) {
  const auto stream = Log(NumbersText(GetParam().numbers, 5));
  const auto transfers = loaders::LogarithmTransfers(stream.bytes);
  ASSERT_EQ(transfers.size(), GetParam().transfers);
  if (transfers.empty())
    return;
  const Bytes& last = transfers.back();
  ASSERT_EQ(last.size(), GetParam().lastLength);
  if (transfers.size() == 1) {
    EXPECT_EQ(Bytes(last.begin(), last.begin() + static_cast<std::ptrdiff_t>(stream.bytes.size())),
              stream.bytes);
    for (std::size_t at = stream.bytes.size(); at < last.size(); at += 4)
      EXPECT_EQ(Bytes(last.begin() + at, last.begin() + at + 4),
                Bytes(stream.bytes.end() - 4, stream.bytes.end()));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, LogShortStreams,
    ::testing::Values(ShortCase{0, 0, 0}, ShortCase{1, 1, 32}, ShortCase{6, 1, 32},
                      ShortCase{7, 1, 32}, ShortCase{8, 1, 36}, ShortCase{255, 1, 1024},
                      ShortCase{256, 2, 32}),
    support::NamedBy([](const ShortCase& c) { return std::to_string(c.numbers); }));

std::optional<loaders::TfcBlockImage> Tfc(loaders::TableTextReader& reader) {
  return loaders::ReadTfcBlock(reader);
}

TEST(TfcBlock, OneLineFillsRowZeroAndZeroesTheRest) {
  loaders::StringSource source("1 2 3\n");
  loaders::TableTextReader reader(source);
  const auto image = Tfc(reader);
  ASSERT_TRUE(image);
  for (std::size_t m = 0; m < 512; ++m) {
    SCOPED_TRACE(m);
    EXPECT_EQ(U16(*image, 4 * m), 0x200 + m);
    const std::uint16_t expected = m == 0 ? 1 : m == 2 ? 2 : m == 4 ? 3 : 0;
    EXPECT_EQ(U16(*image, 4 * m + 2), expected);
  }
  EXPECT_FALSE(Tfc(reader));
}

TEST(TfcBlock, HalvesAreTwosComplement) {
  loaders::StringSource source("-1 65536 -65536\r\n");
  loaders::TableTextReader reader(source);
  const auto image = Tfc(reader);
  ASSERT_TRUE(image);
  const std::uint16_t expected[] = {0xFFFF, 0xFFFF, 0x0000, 0x0001, 0x0000, 0xFFFF};
  for (std::size_t m = 0; m < 6; ++m)
    EXPECT_EQ(U16(*image, 4 * m + 2), expected[m]) << m;
}

TEST(TfcBlock, AHeadingIsARowOfZerosAndLongLinesKeep32) {
  std::string line40;
  for (int i = 1; i <= 40; ++i)
    line40 += std::to_string(i) + " ";
  loaders::StringSource source("Heading\n" + line40 + "\n");
  loaders::TableTextReader reader(source);
  const auto image = Tfc(reader);
  ASSERT_TRUE(image);
  for (std::size_t m = 0; m < 64; ++m)
    EXPECT_EQ(U16(*image, 4 * m + 2), 0) << m;
  for (std::size_t c = 0; c < 32; ++c) {
    EXPECT_EQ(U16(*image, 4 * (64 + 2 * c) + 2), c + 1) << c;
    EXPECT_EQ(U16(*image, 4 * (64 + 2 * c + 1) + 2), 0) << c;
  }
  EXPECT_EQ(U16(*image, 4 * 128 + 2), 0);
  // Row 4 opens the second 1024-byte half.
  EXPECT_EQ(U16(*image, loaders::kTfcHalfBytes), 0x300);
}

struct LinesCase {
  std::size_t lines;
  std::size_t blocks;
};

class TfcLines : public ::testing::TestWithParam<LinesCase> {};

TEST_P(TfcLines, EightLinesMakeABlock) {
  std::string text;
  for (std::size_t i = 0; i < GetParam().lines; ++i)
    text += std::to_string(i + 1) + "\n";
  loaders::StringSource source(text);
  loaders::TableTextReader reader(source);
  std::size_t blocks = 0;
  while (blocks < loaders::kTfcBlocks) {
    const auto image = Tfc(reader);
    if (!image)
      break;
    for (std::size_t r = 0; r < 8; ++r) {
      const std::size_t line = blocks * 8 + r;
      EXPECT_EQ(U16(*image, 4 * 64 * r + 2), line < GetParam().lines ? line + 1 : 0);
    }
    ++blocks;
  }
  EXPECT_EQ(blocks, GetParam().blocks);
}

INSTANTIATE_TEST_SUITE_P(
    Files, TfcLines,
    ::testing::Values(LinesCase{0, 0}, LinesCase{1, 1}, LinesCase{8, 1}, LinesCase{9, 2},
                      LinesCase{16, 2}, LinesCase{256, 32}, LinesCase{300, 32}),
    support::NamedBy([](const LinesCase& c) { return std::to_string(c.lines); }));

TEST(TfcCommit, KeepsBits8To14AndPulsesBit15) {
  EXPECT_EQ(loaders::TfcCommitWord(0xFFFF, 5), 0x7F05);
  EXPECT_EQ(loaders::TfcCommitWord(0x12AB, 31), 0x121F);
  const auto commit = loaders::MakeTfcCommitBlock(0xFFFF, 5);
  const std::uint16_t values[] = {0x7F05, 0x7F05, 0x7F05, 0x7F05, 0xFF05, 0xFF05, 0x7F05, 0x7F05};
  for (std::size_t i = 0; i < 8; ++i) {
    EXPECT_EQ(U16(commit, 4 * i), 7);
    EXPECT_EQ(U16(commit, 4 * i + 2), values[i]) << i;
  }
}

} // namespace

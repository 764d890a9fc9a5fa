#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "loaders/table_text_reader.hpp"
#include "support/case_names.hpp"

namespace {

using Lines = std::vector<std::vector<std::int32_t>>;

// Every line's numbers, as the line-by-line mode sees them (no column limit).
Lines ReadLines(const std::string& text, std::size_t chunk) {
  loaders::StringSource source(text);
  loaders::TableTextReader reader(source, chunk);
  Lines lines;
  while (reader.NextLine()) {
    lines.emplace_back();
    while (const auto n = reader.NextNumber())
      lines.back().push_back(*n);
  }
  return lines;
}

struct LineCase {
  std::string text;
  Lines expected;
};

class ReaderLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(ReaderLines, TakesTheNumbersOfEachLine) {
  // Chunk sizes that split CR LF pairs and numbers across reads.
  for (const std::size_t chunk : {2u, 3u, 7u, 65536u}) {
    SCOPED_TRACE(chunk);
    EXPECT_EQ(ReadLines(GetParam().text, chunk), GetParam().expected);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ReaderLines,
    ::testing::Values(LineCase{"10 -3 +7\n", {{10, -3, 7}}}, LineCase{"5,6 7\n", {{5}}},
                      LineCase{"12abc 4\n", {{12}}}, LineCase{"0x1F 2\n", {{0}}},
                      LineCase{"1.5\n", {{1}}}, LineCase{"any text 9\n", {{}}},
                      LineCase{"\n", {{}}}, LineCase{"1 2 x 3\n4\n", {{1, 2}, {4}}},
                      LineCase{"- 5 6\n", {{}}}, LineCase{"+\n", {{}}},
                      LineCase{"\t 8\t9 \n", {{8, 9}}}, LineCase{"10-3\n", {{10, -3}}},
                      LineCase{"007 -0\n", {{7, 0}}},
                      LineCase{"2147483647 -2147483648 1\n", {{2147483647, -2147483648, 1}}},
                      LineCase{"1 2147483648 3\n4\n", {{1}, {4}}},
                      LineCase{"-2147483649 3\n", {{}}},
                      LineCase{"99999999999999999999999 5\n", {{}}}),
    support::NamedBy([](const LineCase& c) { return c.text; }));

INSTANTIATE_TEST_SUITE_P(
    LineEnds, ReaderLines,
    ::testing::Values(LineCase{"", {}}, LineCase{"1 2", {{1, 2}}}, LineCase{"1\n2", {{1}, {2}}},
                      LineCase{"1\n2\n", {{1}, {2}}}, LineCase{"1\r\n2\r\n", {{1}, {2}}},
                      LineCase{"1\r\n2", {{1}, {2}}}, LineCase{"\n\n3\n", {{}, {}, {3}}},
                      LineCase{"\r\n\r\n", {{}, {}}}, LineCase{"4\r 5\r\n", {{4, 5}}},
                      LineCase{"6\r", {{6}}}, LineCase{"7\n\n", {{7}, {}}},
                      LineCase{"heading\r\n1 2\r\n", {{}, {1, 2}}},
                      LineCase{"1 2\r\x1a\n3\n", {{1, 2}}}, LineCase{"\x1a\n1\n", {}},
                      LineCase{"4\n5\x1a 6\n7", {{4}, {5}}}),
    support::NamedBy([](const LineCase& c) { return c.text; }));

TEST(TableTextReader, AllNumbersAcrossLinesStopsWhenTheSinkSaysSo) {
  loaders::StringSource source("1 2\nx\n3 4 5\n6");
  loaders::TableTextReader reader(source, 4);
  std::vector<std::int32_t> taken;
  reader.ForEachNumber([&](std::int32_t n) {
    taken.push_back(n);
    return taken.size() < 4;
  });
  EXPECT_EQ(taken, (std::vector<std::int32_t>{1, 2, 3, 4}));
}

// Lines of one number take a faster path when they lie wholly in the chunk;
// every way out of it must agree with the general scan.
TEST(TableTextReader, OneNumberLinesReadAsTheGeneralScanDoes) {
  const std::string text = "5\r\n-7\n+3\n 8\t\n2147483648\n-2147483648\n12 4\n9\r 1\n"
                           "00000000042\n-\n\n2147483647\n6";
  const std::vector<std::int32_t> expected = {5, -7, 3, 8,  INT32_MIN, 12,
                                              4, 9,  1, 42, INT32_MAX, 6};
  for (std::size_t chunk : {std::size_t{3}, loaders::TableTextReader::kDefaultChunkSize}) {
    loaders::StringSource source(text);
    loaders::TableTextReader reader(source, chunk);
    std::vector<std::int32_t> taken;
    reader.ForEachNumber([&](std::int32_t n) {
      taken.push_back(n);
      return true;
    });
    EXPECT_EQ(taken, expected) << "chunk " << chunk;
  }
}

TEST(TableTextReader, RowsTakeAtMostTheirWidthAndEveryLineIsARow) {
  std::string text;
  for (int i = 1; i <= 40; ++i)
    text += std::to_string(i) + " ";
  text += "\r\n\r\ntext\r\n7 8";
  loaders::StringSource source(text);
  loaders::TableTextReader reader(source, 5);
  std::vector<std::int32_t> row(32, -9);
  ASSERT_EQ(reader.ReadRow(row), 32u);
  EXPECT_EQ(row.front(), 1);
  EXPECT_EQ(row.back(), 32);
  EXPECT_EQ(reader.ReadRow(row), 0u);
  EXPECT_EQ(reader.ReadRow(row), 0u);
  ASSERT_EQ(reader.ReadRow(row), 2u);
  EXPECT_EQ(row[0], 7);
  EXPECT_EQ(row[1], 8);
  EXPECT_EQ(reader.ReadRow(row), std::nullopt);
}

// Produces a very long first line without holding it, then "\n5", and notes
// the largest read it was asked for.
class LongLineSource : public loaders::ByteSource {
public:
  explicit LongLineSource(std::size_t lineBytes) : left_(lineBytes) {}
  std::size_t Read(char* buffer, std::size_t size) override {
    largestRequest = std::max(largestRequest, size);
    if (left_ > 0) {
      const std::size_t n = std::min(size, left_);
      std::memset(buffer, 'x', n);
      left_ -= n;
      return n;
    }
    const std::size_t n = std::min(size, tail_.size() - tailPos_);
    std::memcpy(buffer, tail_.data() + tailPos_, n);
    tailPos_ += n;
    return n;
  }
  std::size_t largestRequest = 0;

private:
  std::size_t left_;
  std::string tail_ = "\n5";
  std::size_t tailPos_ = 0;
};

TEST(TableTextReader, ALongLineIsStreamedInChunksNotHeld) {
  LongLineSource source(4 * 1024 * 1024);
  loaders::TableTextReader reader(source, 4096);
  std::vector<std::int32_t> taken;
  reader.ForEachNumber([&](std::int32_t n) {
    taken.push_back(n);
    return true;
  });
  EXPECT_EQ(taken, std::vector<std::int32_t>{5});
  EXPECT_LE(source.largestRequest, 4096u);
}

} // namespace

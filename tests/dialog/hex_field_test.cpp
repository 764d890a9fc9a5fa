#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "platform/dialog/hex_field.hpp"
#include "support/case_names.hpp"

namespace {

// The field's rule is the C library's "%x" conversion, so the library itself
// is the oracle for every input.
std::int32_t ScanLikeC(const std::string& text, std::int32_t preset) {
  unsigned int value = 0;
  if (std::sscanf(text.c_str(), "%x", &value) != 1)
    return preset;
  return static_cast<std::int32_t>(value);
}

class HexField : public testing::TestWithParam<std::string> {};

TEST_P(HexField, MatchesScanf) {
  const std::string& text = GetParam();
  for (std::int32_t preset : {-1, 0}) {
    EXPECT_EQ(dlg::ParseHexField(text, preset), ScanLikeC(text, preset))
        << "text '" << text << "' preset " << preset;
  }
}

INSTANTIATE_TEST_SUITE_P(Inputs, HexField,
                         testing::Values("", " ", "1f", "1F", "0x1F", "0X1f", "  \t2a", "12zz",
                                         "zz12", "-3", "+7", "-", "+", "+-5", "0x", "0xg", "0x0x5",
                                         "x5", "80000000", "7fffffff", "ffffffff", "100000000",
                                         "123456789", "fffffffffffffffff", "-80000000", "-0x10",
                                         " -0x10", "1ff02", "1a5", "  0", "00000001", "g", "\n5",
                                         "5 6", "0x-5", "-ffffffffffffffffff", "10000000000000000",
                                         "-ffffffff"),
                         support::NamedBy([](const std::string& s) { return s; }));

TEST(HexFieldPresets, NoNumberKeepsPreset) {
  EXPECT_EQ(dlg::ParseHexField("", -1), -1);
  EXPECT_EQ(dlg::ParseHexField("xyz", 0), 0);
  EXPECT_EQ(dlg::ParseHexField("80000000", 0), INT32_MIN);
}

} // namespace

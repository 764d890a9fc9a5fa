// File filters in the form the file-open dialog takes, and text conversion.
#include <gtest/gtest.h>

#include "platform/windows/text.hpp"

namespace {

struct FilterCase {
  const char* filter;
  std::wstring expected;
};

class OpenFileFilterTest : public ::testing::TestWithParam<FilterCase> {};

TEST_P(OpenFileFilterTest, EndsEachPartAndTheList) {
  EXPECT_EQ(win::OpenFileFilter(GetParam().filter), GetParam().expected);
}

using namespace std::string_literals;
INSTANTIATE_TEST_SUITE_P(
    Filters, OpenFileFilterTest,
    ::testing::Values(FilterCase{"", L""s},
                      FilterCase{"Text (*.txt)|*.txt||", L"Text (*.txt)\0*.txt\0\0"s},
                      FilterCase{"A|*.a|B|*.b||", L"A\0*.a\0B\0*.b\0\0"s},
                      FilterCase{"A|*.a|", L"A\0*.a\0\0"s}, FilterCase{"A|*.a", L"A\0*.a\0\0"s}));

TEST(TextTest, AsciiRoundTrips) {
  EXPECT_EQ(win::Widen("C:\\data\\log 12.txt"), L"C:\\data\\log 12.txt");
  EXPECT_EQ(win::Narrow(L"C:\\data\\log 12.txt"), "C:\\data\\log 12.txt");
  EXPECT_EQ(win::Widen(""), L"");
}

} // namespace

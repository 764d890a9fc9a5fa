#include "cli/completion.hpp"
#include "support/case_names.hpp"

#include <gtest/gtest.h>

namespace cli {
namespace {

struct CompletionCase {
  const char* before;
  std::vector<std::string> words;
};

class CompletionTest : public ::testing::TestWithParam<CompletionCase> {};

TEST_P(CompletionTest, OffersTheWordsThatFit) {
  EXPECT_EQ(Completions(GetParam().before), GetParam().words) << GetParam().before;
}

INSTANTIATE_TEST_SUITE_P(
    Words, CompletionTest,
    ::testing::Values(CompletionCase{"fp", {"fpga"}},
                      CompletionCase{"  e", {"eeprom", "emc2101", "expect"}},
                      CompletionCase{"h", {"help"}},
                      CompletionCase{"load ", {"afe", "apod", "ep1out", "firmware", "log", "tfc"}},
                      CompletionCase{"eeprom d", {"dump"}}, CompletionCase{"help lo", {"load"}},
                      // Past the second word, and after one-word commands, nothing.
                      CompletionCase{"fpga read ", {}}, CompletionCase{"set 10", {}},
                      CompletionCase{"cdbeams ", {}}, CompletionCase{"frob", {}}),
    support::NamedBy([](const CompletionCase& c) { return c.before; }));

TEST(Completion, CommonPrefix) {
  EXPECT_EQ(CommonPrefix({"pca9535", "pca9537"}), "pca953");
  EXPECT_EQ(CommonPrefix({"fpga"}), "fpga");
  EXPECT_EQ(CommonPrefix({}), "");
}

} // namespace
} // namespace cli

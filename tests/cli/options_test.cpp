#include "cli/options.hpp"
#include "support/case_names.hpp"

#include <gtest/gtest.h>

namespace cli {
namespace {

ParsedOptions Parse(std::vector<std::string> args) {
  return ParseOptions(args);
}

TEST(Options, AllOptionsBeforeTheFirstCommand) {
  const auto parsed = Parse({"--sim", "--sim-set", "boards=2", "--virtual-time", "--sim-set",
                             "reg.1f=5", "--trace=t.jsonl", "fpga", "read", "1f", ";", "show"});
  ASSERT_EQ(parsed.error, "");
  const Options& o = parsed.options;
  EXPECT_EQ(o.common.simSettings, (std::vector<std::string>{"boards=2", "reg.1f=5"}));
  EXPECT_TRUE(o.common.virtualTime);
  EXPECT_TRUE(o.common.trace);
  EXPECT_EQ(o.common.traceFile, "t.jsonl");
  EXPECT_FALSE(o.script.has_value());
  ASSERT_EQ(o.commands.size(), 2u);
  EXPECT_EQ(o.commands[0].Text(), "fpga read 1f");
  EXPECT_EQ(o.commands[1].Text(), "show");
}

TEST(Options, TraceWithoutFileGoesToStandardError) {
  const auto parsed = Parse({"--trace"});
  EXPECT_EQ(parsed.error, "");
  EXPECT_TRUE(parsed.options.common.trace);
  EXPECT_EQ(parsed.options.common.traceFile, "");
  EXPECT_TRUE(parsed.options.commands.empty());
}

TEST(Options, OptionsAfterACommandAreItsArguments) {
  const auto parsed = Parse({"set", "1001", "--help"});
  EXPECT_EQ(parsed.error, "");
  EXPECT_FALSE(parsed.options.common.help);
  EXPECT_EQ(parsed.options.commands.at(0).Tail(2), "--help");
}

TEST(Options, StopOnErrorAndReadChunk) {
  const auto defaults = Parse({"show"});
  EXPECT_FALSE(defaults.options.stopOnError);
  EXPECT_EQ(defaults.options.readChunk, 32u);
  const auto parsed = Parse({"--stop-on-error", "--read-chunk", "4096", "show"});
  ASSERT_EQ(parsed.error, "");
  EXPECT_TRUE(parsed.options.stopOnError);
  EXPECT_EQ(parsed.options.readChunk, 4096u);
  EXPECT_EQ(Parse({"--read-chunk=1"}).options.readChunk, 1u);
}

TEST(Options, ScriptInBothForms) {
  for (const auto& args : {std::vector<std::string>{"--script", "-"}, {"--script=-"}}) {
    const auto parsed = Parse(args);
    EXPECT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options.script, "-");
  }
}

struct BadCase {
  std::vector<std::string> args;
  const char* error;
};

class BadOptionsTest : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadOptionsTest, NamesTheProblem) {
  EXPECT_EQ(Parse(GetParam().args).error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Errors, BadOptionsTest,
    ::testing::Values(BadCase{{"--bogus"}, "unknown option --bogus"},
                      BadCase{{"--sim-set"}, "--sim-set needs a value"},
                      BadCase{{"--script"}, "--script needs a value"},
                      BadCase{{"--trace="}, "--trace= needs a value"},
                      BadCase{{"--read-chunk"}, "--read-chunk needs a value"},
                      BadCase{{"--read-chunk", "0"}, "--read-chunk: invalid N '0' (1 to 4096)"},
                      BadCase{{"--read-chunk=4097"}, "--read-chunk: invalid N '4097' (1 to 4096)"},
                      BadCase{{"--read-chunk=32k"}, "--read-chunk: invalid N '32k' (1 to 4096)"},
                      BadCase{{"--script", "s.txt", "show"},
                              "--script and commands on the command line exclude each other"}),
    support::NamedBy([](const BadCase& c) { return support::Joined(c.args); }));

} // namespace
} // namespace cli

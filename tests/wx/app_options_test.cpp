#include <gtest/gtest.h>

#include "app/app_options.hpp"
#include "support/case_names.hpp"

namespace {

using Action = ParsedOptions::Action;

struct Case {
  std::vector<std::string> args;
  Action action;
  std::vector<std::string> simSettings;
  bool trace;
  std::string traceFile;
  bool virtualTime;
};

class AppOptionsTest : public ::testing::TestWithParam<Case> {};

TEST_P(AppOptionsTest, Parses) {
  const Case& c = GetParam();
  const ParsedOptions parsed = ParseOptions(c.args);
  EXPECT_EQ(parsed.action, c.action);
  if (c.action != Action::Run)
    return;
  EXPECT_EQ(parsed.options.simSettings, c.simSettings);
  EXPECT_EQ(parsed.options.trace, c.trace);
  EXPECT_EQ(parsed.options.traceFile, c.traceFile);
  EXPECT_EQ(parsed.options.virtualTime, c.virtualTime);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, AppOptionsTest,
    ::testing::Values(Case{{}, Action::Run, {}, false, "", false},
                      Case{{"--sim"}, Action::Run, {}, false, "", false},
                      Case{{"--sim-set", "boards=0", "--sim-set=gpio.26=1"},
                           Action::Run,
                           {"boards=0", "gpio.26=1"},
                           false,
                           "",
                           false},
                      Case{{"--trace"}, Action::Run, {}, true, "", false},
                      Case{{"--trace=/tmp/t.jsonl", "--virtual-time"},
                           Action::Run,
                           {},
                           true,
                           "/tmp/t.jsonl",
                           true},
                      Case{{"--help"}, Action::Help, {}, false, "", false},
                      Case{{"--sim", "--version"}, Action::Version, {}, false, "", false},
                      Case{{"--sim-set"}, Action::Error, {}, false, "", false},
                      Case{{"--trace="}, Action::Error, {}, false, "", false},
                      Case{{"--simulate"}, Action::Error, {}, false, "", false},
                      Case{{"extra"}, Action::Error, {}, false, "", false}),
    support::NamedBy([](const Case& c) { return support::Joined(c.args); }));

TEST(AppOptions, ErrorsNameTheArgument) {
  const std::vector<std::string> args = {"--bogus"};
  EXPECT_EQ(ParseOptions(args).error, "unknown option '--bogus'");
}

} // namespace

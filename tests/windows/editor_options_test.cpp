// velta-editor.exe binds the device unless --sim is given; the simulated
// board's options need --sim.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app-win/editor_options.hpp"

namespace {

using Action = ParsedEditorOptions::Action;

struct OptionsCase {
  std::vector<std::string> args;
  Action action;
  bool sim;
  std::vector<std::string> settings;
};

class EditorOptionsTest : public ::testing::TestWithParam<OptionsCase> {};

TEST_P(EditorOptionsTest, Parses) {
  const OptionsCase& c = GetParam();
  const ParsedEditorOptions parsed = ParseEditorOptions(c.args);
  EXPECT_EQ(parsed.action, c.action) << parsed.error;
  if (c.action != Action::Run)
    return;
  EXPECT_EQ(parsed.options.sim, c.sim);
  EXPECT_EQ(parsed.options.simSettings, c.settings);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, EditorOptionsTest,
    ::testing::Values(OptionsCase{{}, Action::Run, false, {}},
                      OptionsCase{{"--sim"}, Action::Run, true, {}},
                      OptionsCase{{"--sim", "--sim-set", "boards=2", "--sim-set=gpio.26=1"},
                                  Action::Run,
                                  true,
                                  {"boards=2", "gpio.26=1"}},
                      OptionsCase{
                          {"--sim-set", "boards=2", "--sim"}, Action::Run, true, {"boards=2"}},
                      OptionsCase{{"--sim-set", "boards=2"}, Action::Error, false, {}},
                      OptionsCase{{"--virtual-time"}, Action::Error, false, {}},
                      OptionsCase{{"--trace"}, Action::Error, false, {}},
                      OptionsCase{{"--frobnicate"}, Action::Error, false, {}},
                      OptionsCase{{"--help"}, Action::Help, false, {}},
                      OptionsCase{{"--version"}, Action::Version, false, {}}));

} // namespace

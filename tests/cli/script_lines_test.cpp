// A recording's lines read back by the script parser as the steps the user
// took: every text exactly, whatever it holds, the comment ignored.
#include "ui/script_lines.hpp"

#include <gtest/gtest.h>

#include "cli/command.hpp"
#include "cli/plan.hpp"
#include "ui/dialog_template.hpp"

namespace cli {
namespace {

std::vector<Step> StepsOf(const std::string& line) {
  const auto command = ParseScriptLine(line);
  if (!command)
    return {};
  const PlanResult planned = MakePlan(*command);
  EXPECT_EQ(planned.error, "") << line;
  return planned.plan.steps;
}

TEST(ScriptLines, TextsReadBackExactly) {
  const std::string texts[] = {"",      "1f",     "0x1F",  "00 ff", "a  b ", "it's", "#1",
                               "\"q\"", "back\\", "$HOME", "\ttab", "'",     "-",    "fü€ r"};
  for (const std::string& text : texts) {
    const std::string set = ui::SetLine(1079, text);
    EXPECT_EQ(StepsOf(set), (std::vector<Step>{SetText{1079, text}})) << set;
    const std::string file = ui::FileLine("/data/" + text);
    EXPECT_EQ(StepsOf(file), std::vector<Step>{QueueFile{"/data/" + text}}) << file;
  }
  const std::vector<Step> cancel = {QueueFile{std::nullopt}};
  EXPECT_EQ(StepsOf(ui::FileLine(std::nullopt)), cancel);
}

TEST(ScriptLines, ActionsNameTheirControl) {
  const struct {
    std::string action;
    int id;
    const char* line;
    Step step;
  } cases[] = {
      {"click 1003", 1003, "click 1003 # EMC2101 (IIC addr: 0x4C) - Write", Click{1003}},
      {"check 1021 1", 1021, "check 1021 1 # GPIO 45", CheckAndClick{1021, 1}},
      {"check 1043 0", 1043, "check 1043 0 # Test bits", CheckAndClick{1043, 0}},
      {"select 1060 2", 1060, "select 1060 2 # Multi Beam", SelectIndex{1060, 2}},
      {"select 1069 1", 1069, "select 1069 1 # RF Source", SelectIndex{1069, 1}},
      {"click 2", 2, "click 2 # Cancel", Click{2}},
  };
  for (const auto& c : cases) {
    const std::string line = ui::ActionLine(c.action, kVeltaEditorTemplate, c.id);
    EXPECT_EQ(line, c.line);
    EXPECT_EQ(StepsOf(line), std::vector<Step>{c.step}) << line;
  }
}

} // namespace
} // namespace cli

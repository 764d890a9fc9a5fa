#include "cli/command.hpp"
#include "support/case_names.hpp"

#include <gtest/gtest.h>

namespace cli {
namespace {

struct LineCase {
  const char* line;
  std::vector<std::string> words;
  std::vector<std::string> tails;
};

class ScriptLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(ScriptLineTest, WordsAndTails) {
  const LineCase& c = GetParam();
  const auto command = ParseScriptLine(c.line, 7);
  ASSERT_TRUE(command.has_value());
  EXPECT_EQ(command->words, c.words);
  EXPECT_EQ(command->tails, c.tails);
  EXPECT_EQ(command->line, 7);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ScriptLineTest,
    ::testing::Values(
        LineCase{"fpga read 1f", {"fpga", "read", "1f"}, {"fpga read 1f", "read 1f", "1f"}},
        LineCase{"  set\t1001  a  b  ",
                 {"set", "1001", "a", "b"},
                 {"set\t1001  a  b", "1001  a  b", "a  b", "b"}},
        LineCase{"set 1001", {"set", "1001"}, {"set 1001", "1001"}},
        LineCase{"set 1001 12 # comment", {"set", "1001", "12"}, {"set 1001 12", "1001 12", "12"}},
        LineCase{"file a#b", {"file", "a#b"}, {"file a#b", "a#b"}},
        LineCase{"show\r", {"show"}, {"show"}},
        LineCase{"click 1074#x", {"click", "1074#x"}, {"click 1074#x", "1074#x"}},
        // Quoting as a shell does it; nothing is expanded.
        LineCase{"load tfc \"my tfc.txt\"",
                 {"load", "tfc", "my tfc.txt"},
                 {"load tfc my tfc.txt", "tfc my tfc.txt", "my tfc.txt"}},
        LineCase{"set 1001 ''", {"set", "1001", ""}, {"set 1001 ", "1001 ", ""}},
        LineCase{
            "set 1001 a\\ \\ b", {"set", "1001", "a  b"}, {"set 1001 a  b", "1001 a  b", "a  b"}},
        LineCase{"set 1001 \"say \\\"hi\\\" $x \\n\"",
                 {"set", "1001", "say \"hi\" $x \\n"},
                 {"set 1001 say \"hi\" $x \\n", "1001 say \"hi\" $x \\n", "say \"hi\" $x \\n"}},
        LineCase{"file 'it''s' '#' \\#x # gone",
                 {"file", "its", "#", "#x"},
                 {"file its # #x", "its # #x", "# #x", "#x"}},
        LineCase{"set 1001 'a \"b\"'\"'c'\"",
                 {"set", "1001", "a \"b\"'c'"},
                 {"set 1001 a \"b\"'c'", "1001 a \"b\"'c'", "a \"b\"'c'"}}),
    support::NamedBy([](const LineCase& c) { return c.line; }));

TEST(ScriptLine, WrittenTextKeepsTheQuotes) {
  const auto command = ParseScriptLine("  load tfc \"my tfc.txt\"  # the table");
  ASSERT_TRUE(command.has_value());
  EXPECT_EQ(command->Text(), "load tfc \"my tfc.txt\"");
  EXPECT_EQ(command->error, "");
}

TEST(ScriptLine, UnterminatedQuoteIsAnError) {
  for (const char* line : {"load tfc \"my tfc.txt", "set 1001 it's", "set 1001 \"a\\\""}) {
    const auto command = ParseScriptLine(line, 4);
    ASSERT_TRUE(command.has_value()) << line;
    EXPECT_EQ(command->error, "unterminated quote") << line;
    EXPECT_EQ(command->Text(), line);
  }
}

TEST(ScriptLine, BlankAndCommentLinesGiveNothing) {
  for (const char* line : {"", "   ", "\t\r", "# a comment", "   #x y z", "#"})
    EXPECT_FALSE(ParseScriptLine(line).has_value()) << line;
}

TEST(Script, NumbersLinesAndSkipsBlankOnes) {
  const auto commands = ParseScript("# header\n\nfpga read 1f\r\n  \nshow\nget 1073");
  ASSERT_EQ(commands.size(), 3u);
  EXPECT_EQ(commands[0].line, 3);
  EXPECT_EQ(commands[0].words, (std::vector<std::string>{"fpga", "read", "1f"}));
  EXPECT_EQ(commands[1].line, 5);
  EXPECT_EQ(commands[2].line, 6);
  EXPECT_EQ(commands[2].Text(), "get 1073");
}

TEST(Script, EmptyTextHasNoCommands) {
  EXPECT_TRUE(ParseScript("").empty());
}

struct SplitCase {
  std::vector<std::string> args;
  std::vector<std::vector<std::string>> words;
};

class SplitTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTest, SplitsOnSemicolonArguments) {
  const auto commands = SplitArguments(GetParam().args);
  std::vector<std::vector<std::string>> words;
  for (const auto& c : commands) {
    words.push_back(c.words);
    EXPECT_EQ(c.line, 0);
  }
  EXPECT_EQ(words, GetParam().words);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, SplitTest,
    ::testing::Values(SplitCase{{}, {}}, SplitCase{{";"}, {}},
                      SplitCase{{"fpga", "read", "1f"}, {{"fpga", "read", "1f"}}},
                      SplitCase{{"set", "1001", ";", "get", "1001"},
                                {{"set", "1001"}, {"get", "1001"}}},
                      SplitCase{{";", "show", ";", ";", "show", ";"}, {{"show"}, {"show"}}},
                      // Only a ";" argument of its own separates; inside a word it is text.
                      SplitCase{{"set", "1001", "1f;", "show"}, {{"set", "1001", "1f;", "show"}}}),
    support::NamedBy([](const SplitCase& c) { return support::Joined(c.args); }));

TEST(SplitArguments, TailsJoinArgumentsWithOneBlank) {
  const std::vector<std::string> args = {"set", "1001", "a  b", "", "c"};
  const auto commands = SplitArguments(args);
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands[0].Tail(2), "a  b  c");
  EXPECT_EQ(commands[0].Tail(3), " c");
  EXPECT_EQ(commands[0].Tail(5), "");
  EXPECT_EQ(commands[0].Text(), "set 1001 a  b  c");
}

TEST(SplitArguments, EmptyArgumentIsAnEmptyText) {
  const std::vector<std::string> args = {"set", "1001", ""};
  const auto commands = SplitArguments(args);
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands[0].words.size(), 3u);
  EXPECT_EQ(commands[0].Tail(2), "");
}

} // namespace
} // namespace cli

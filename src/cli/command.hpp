// A command as the user wrote it: its words, and for each word the command's
// text from that word to its end, so that a field value or a path may hold
// blanks. Turning script lines and argument lists into commands is pure.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

struct Command {
  std::vector<std::string> words;
  // tails[i]: the words from i to the end with the blanks written between
  // them, quotes removed.
  std::vector<std::string> tails;
  // The command as written (quotes kept, comment and outer blanks dropped).
  std::string written;
  // The script line it came from (from 1); 0 on the command line.
  int line = 0;
  // A problem with the words themselves (an unterminated quote); empty if none.
  std::string error;

  const std::string& Text() const { return written; }
  // The text from word i on; empty when there is no word i.
  std::string Tail(std::size_t i) const { return i < tails.size() ? tails[i] : std::string(); }

  friend bool operator==(const Command&, const Command&) = default;
};

// One script line, split into words as a POSIX shell splits them for quoting:
// blanks separate words; single quotes keep everything up to the next one;
// double quotes keep everything but a backslash before '"', '\', '$' or '`';
// elsewhere a backslash keeps the next character. Nothing is expanded. A '#'
// that begins a word starts a comment. Nothing for a blank or comment-only line.
std::optional<Command> ParseScriptLine(std::string_view line, int lineNumber = 0);

// Every command of a script text, numbered by line.
std::vector<Command> ParseScript(std::string_view text);

// Command-line arguments split at each argument that is exactly ";". Empty
// commands (";" first, last or doubled) are skipped. A tail joins the
// arguments with one blank.
std::vector<Command> SplitArguments(std::span<const std::string> args);

} // namespace cli

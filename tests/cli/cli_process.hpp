// Runs the built velta-cli as a separate process: with standard input from a
// text (a pipe-like file) or from a pseudo-terminal, capturing its output.
#pragma once

#include <string>
#include <vector>

namespace cli_test {

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

// A fresh directory for one test's files.
class TempDir {
public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }
  // Writes a file in the directory and returns its path.
  std::string Write(const std::string& name, const std::string& content) const;

private:
  std::string path_;
};

std::string ReadFile(const std::string& path);

// Standard input is `input`, not a terminal.
Outcome Launch(const std::vector<std::string>& args, const std::string& input = "");

// Standard input is a terminal fed with `input`; output goes to files, or
// standard error to the terminal too (err is then what the terminal showed).
Outcome LaunchOnTerminal(const std::vector<std::string>& args, const std::string& input,
                         bool errOnTerminal = false);

// A session at the prompt: standard input and error are a terminal, and each
// of `keys` is typed once the prompt has shown for it. HOME is a fresh
// directory holding `history` as .velta_history; err is what the terminal
// showed; the history file as it is after the run goes to *historyAfter.
Outcome Converse(const std::vector<std::string>& args, const std::vector<std::string>& keys,
                 const std::string& history = "", std::string* historyAfter = nullptr);

} // namespace cli_test

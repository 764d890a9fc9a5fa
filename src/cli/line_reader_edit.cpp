#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <histedit.h>

#include "cli/completion.hpp"
#include "cli/line_reader.hpp"

namespace cli {

namespace {

constexpr int kHistorySize = 1000;

class EditReader : public LineReader {
public:
  // The line is edited on standard error, or on standard output when only
  // that one is the terminal.
  explicit EditReader(std::FILE* out) : out_(out) {
    // Characters beyond ASCII edit as the terminal shows them.
    std::setlocale(LC_CTYPE, "");
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
      historyPath_ = std::string(home) + "/.velta_history";
    history_ = history_init();
    history(history_, &event_, H_SETSIZE, kHistorySize);
    history(history_, &event_, H_SETUNIQUE, 1);
    if (!historyPath_.empty())
      history(history_, &event_, H_LOAD, historyPath_.c_str());
    editor_ = el_init("velta-cli", stdin, out_, stderr);
    el_set(editor_, EL_CLIENTDATA, this);
    el_set(editor_, EL_EDITOR, "emacs");
    el_set(editor_, EL_PROMPT, &EditReader::Prompt);
    el_set(editor_, EL_HIST, history, history_);
    // The wide call keeps the names as given; the narrow one copies them and
    // never frees the copies.
    el_wset(editor_, EL_ADDFN, L"velta-complete", L"complete a command word",
            &EditReader::Complete);
    el_set(editor_, EL_BIND, "^I", "velta-complete", nullptr);
    el_source(editor_, nullptr);
  }
  ~EditReader() override {
    el_end(editor_);
    history_end(history_);
  }
  EditReader(const EditReader&) = delete;
  EditReader& operator=(const EditReader&) = delete;

  std::optional<std::string> ReadLine(const std::string& prompt) override {
    prompt_ = prompt;
    int count = 0;
    const char* text = el_gets(editor_, &count);
    if (text == nullptr || count <= 0)
      return std::nullopt;
    std::string line(text, static_cast<std::size_t>(count));
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
      line.pop_back();
    if (line.find_first_not_of(" \t") != std::string::npos) {
      history(history_, &event_, H_ENTER, line.c_str());
      // Saved at once: a session that is killed keeps what it ran.
      if (!historyPath_.empty())
        history(history_, &event_, H_SAVE, historyPath_.c_str());
    }
    return line;
  }

private:
  static EditReader& Of(EditLine* editor) {
    void* self = nullptr;
    el_get(editor, EL_CLIENTDATA, &self);
    return *static_cast<EditReader*>(self);
  }

  static char* Prompt(EditLine* editor) { return Of(editor).prompt_.data(); }

  static unsigned char Complete(EditLine* editor, int) {
    const LineInfo* info = el_line(editor);
    const std::string_view before(info->buffer,
                                  static_cast<std::size_t>(info->cursor - info->buffer));
    const std::vector<std::string> candidates = Completions(before);
    if (candidates.empty())
      return CC_ERROR;
    const std::size_t typed =
        before.size() - std::min(before.size(), before.find_last_of(" \t") + 1);
    std::string insert = CommonPrefix(candidates).substr(typed);
    if (candidates.size() == 1)
      insert += ' ';
    if (!insert.empty()) {
      el_insertstr(editor, insert.c_str());
      return CC_REFRESH;
    }
    std::FILE* out = Of(editor).out_;
    std::fputc('\n', out);
    for (const std::string& candidate : candidates)
      std::fprintf(out, "%s  ", candidate.c_str());
    std::fputc('\n', out);
    return CC_REDISPLAY;
  }

  std::FILE* out_;
  EditLine* editor_ = nullptr;
  History* history_ = nullptr;
  HistEvent event_{};
  std::string historyPath_;
  std::string prompt_;
};

} // namespace

std::unique_ptr<LineReader> MakeTerminalReader(Console& io) {
  return std::make_unique<EditReader>(io.errIsTerminal ? stderr : stdout);
}

} // namespace cli

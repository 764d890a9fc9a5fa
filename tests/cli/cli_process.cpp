#include "cli_process.hpp"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace cli_test {

namespace {

int StatusOf(int raw) {
  return WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
}

std::vector<char*> Argv(const std::vector<std::string>& args, std::vector<std::string>& storage) {
  storage.assign(1, VELTA_CLI_PATH);
  storage.insert(storage.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& s : storage)
    argv.push_back(s.data());
  argv.push_back(nullptr);
  return argv;
}

// Starts the program with stdin from inFd and stdout/stderr into files.
pid_t Spawn(const std::vector<std::string>& args, const TempDir& dir, int inFd, bool newSession,
            const char* terminal, bool errOnTerminal = false) {
  std::vector<std::string> storage;
  std::vector<char*> argv = Argv(args, storage);
  const std::string out = dir.File("stdout");
  const std::string err = dir.File("stderr");
  const pid_t pid = fork();
  if (pid == 0) {
    if (newSession)
      setsid();
    const int in = terminal != nullptr ? open(terminal, O_RDWR) : inFd;
    const int o = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int e = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (in < 0 || o < 0 || e < 0 || chdir(dir.path().c_str()) != 0 ||
        setenv("HOME", dir.path().c_str(), 1) != 0)
      _exit(127);
    dup2(in, 0);
    dup2(o, 1);
    dup2(errOnTerminal ? in : e, 2);
    execv(argv[0], argv.data());
    _exit(127);
  }
  return pid;
}

// Waits for the child; a run that hangs is killed so that the test fails
// instead of blocking the suite.
int Wait(pid_t pid, int drainFd, std::string* drained = nullptr) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  for (;;) {
    int raw = 0;
    const pid_t done = waitpid(pid, &raw, WNOHANG);
    if (done == pid) {
      // What the child wrote just before it ended may still sit in the
      // terminal; take it all before reporting.
      char buffer[256];
      ssize_t n = 0;
      while (drainFd >= 0 && drained != nullptr && (n = read(drainFd, buffer, sizeof buffer)) > 0)
        drained->append(buffer, static_cast<std::size_t>(n));
      return StatusOf(raw);
    }
    if (std::chrono::steady_clock::now() > deadline) {
      kill(pid, SIGKILL);
      waitpid(pid, &raw, 0);
      return -1;
    }
    if (drainFd >= 0) {
      pollfd p{drainFd, POLLIN, 0};
      char buffer[256];
      if (poll(&p, 1, 20) <= 0)
        continue;
      const ssize_t n = read(drainFd, buffer, sizeof buffer);
      if (n > 0 && drained != nullptr)
        drained->append(buffer, static_cast<std::size_t>(n));
      if (n < 0 && errno != EAGAIN)
        drainFd = -1;
    } else {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  }
}

struct Terminal {
  int master = -1;
  std::string name;

  Terminal() {
    master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
      throw std::runtime_error("no pseudo-terminal");
    name = ptsname(master);
  }
  ~Terminal() { close(master); }
  Terminal(const Terminal&) = delete;
  Terminal& operator=(const Terminal&) = delete;

  void Type(const std::string& keys) const {
    if (write(master, keys.data(), keys.size()) != static_cast<ssize_t>(keys.size()))
      throw std::runtime_error("cannot feed the terminal");
  }
};

std::size_t Count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
    ++n;
  return n;
}

// Reads what the terminal shows until `what` has shown `times` times; false
// after a while without it.
bool WaitToShow(int master, const std::string& what, std::size_t times, std::string& shown) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (Count(shown, what) < times) {
    if (std::chrono::steady_clock::now() > deadline)
      return false;
    pollfd p{master, POLLIN, 0};
    char buffer[256];
    if (poll(&p, 1, 20) <= 0)
      continue;
    const ssize_t n = read(master, buffer, sizeof buffer);
    if (n <= 0)
      return false;
    shown.append(buffer, static_cast<std::size_t>(n));
  }
  return true;
}

Outcome Collect(const TempDir& dir, int status) {
  return {status, ReadFile(dir.File("stdout")), ReadFile(dir.File("stderr"))};
}

} // namespace

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "velta-cli-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr)
    throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::Write(const std::string& name, const std::string& content) const {
  const std::string path = File(name);
  std::ofstream(path, std::ios::binary) << content;
  return path;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

Outcome Launch(const std::vector<std::string>& args, const std::string& input) {
  TempDir dir;
  const std::string inPath = dir.Write("stdin", input);
  const int in = open(inPath.c_str(), O_RDONLY);
  const pid_t pid = Spawn(args, dir, in, false, nullptr);
  close(in);
  return Collect(dir, Wait(pid, -1));
}

Outcome LaunchOnTerminal(const std::vector<std::string>& args, const std::string& input,
                         bool errOnTerminal) {
  TempDir dir;
  const Terminal terminal;
  const pid_t pid = Spawn(args, dir, -1, true, terminal.name.c_str(), errOnTerminal);
  terminal.Type(input);
  fcntl(terminal.master, F_SETFL, O_NONBLOCK);
  std::string shown;
  const int status = Wait(pid, terminal.master, &shown);
  Outcome outcome = Collect(dir, status);
  if (errOnTerminal)
    outcome.err = shown;
  return outcome;
}

Outcome Converse(const std::vector<std::string>& args, const std::vector<std::string>& keys,
                 const std::string& history, std::string* historyAfter) {
  TempDir dir;
  if (!history.empty())
    dir.Write(".velta_history", history);
  const Terminal terminal;
  const pid_t pid = Spawn(args, dir, -1, true, terminal.name.c_str(), true);
  fcntl(terminal.master, F_SETFL, O_NONBLOCK);
  std::string shown;
  for (std::size_t i = 0; i < keys.size(); ++i) {
    // Typed before the line editor is ready, keys would meet a cooked terminal;
    // the prompt shows a moment before the editor reads.
    if (!WaitToShow(terminal.master, "velta> ", i + 1, shown))
      break;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    terminal.Type(keys[i]);
  }
  const int status = Wait(pid, terminal.master, &shown);
  Outcome outcome = Collect(dir, status);
  outcome.err = shown;
  if (historyAfter != nullptr)
    *historyAfter = ReadFile(dir.File(".velta_history"));
  return outcome;
}

} // namespace cli_test

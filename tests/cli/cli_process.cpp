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
    if (in < 0 || o < 0 || e < 0 || chdir(dir.path().c_str()) != 0)
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
  const int master = posix_openpt(O_RDWR | O_NOCTTY);
  if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
    throw std::runtime_error("no pseudo-terminal");
  const std::string terminal = ptsname(master);
  const pid_t pid = Spawn(args, dir, -1, true, terminal.c_str(), errOnTerminal);
  if (write(master, input.data(), input.size()) != static_cast<ssize_t>(input.size()))
    throw std::runtime_error("cannot feed the terminal");
  fcntl(master, F_SETFL, O_NONBLOCK);
  std::string shown;
  const int status = Wait(pid, master, &shown);
  close(master);
  Outcome outcome = Collect(dir, status);
  if (errOnTerminal)
    outcome.err = shown;
  return outcome;
}

} // namespace cli_test

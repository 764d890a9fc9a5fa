// A traced velta-editor killed with SIGKILL right after its opening keeps
// every event of it: the trace is written as it happens, not at exit.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

std::string Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

pid_t Spawn(std::vector<std::string> args) {
  std::vector<char*> argv;
  for (std::string& a : args)
    argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = -1;
  return posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) == 0 ? pid : -1;
}

TEST(KilledEditor, TraceHoldsTheWholeOpening) {
  const std::string dir = ::testing::TempDir();
  const std::string cliTrace = dir + "/cli-opening.jsonl";
  const std::string guiTrace = dir + "/gui-opening.jsonl";
  // The opening as the command line sends it: "get" sends nothing.
  const pid_t cli = Spawn({VELTA_CLI_PATH, "--virtual-time", "--trace=" + cliTrace, "get", "1001"});
  ASSERT_GT(cli, 0);
  int status = 0;
  waitpid(cli, &status, 0);
  const std::string opening = Read(cliTrace);
  ASSERT_FALSE(opening.empty());

  const pid_t gui = Spawn({VELTA_EDITOR_PATH, "--virtual-time", "--trace=" + guiTrace});
  ASSERT_GT(gui, 0);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (Read(guiTrace).size() < opening.size() && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  kill(gui, SIGKILL);
  waitpid(gui, &status, 0);
  EXPECT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(Read(guiTrace), opening);
}

} // namespace

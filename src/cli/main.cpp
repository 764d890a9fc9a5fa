#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

#include "cli/app.hpp"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + 1, argv + argc);
  return cli::RunCli(args, {std::cin, std::cout, std::cerr, isatty(STDIN_FILENO) == 1,
                            isatty(STDERR_FILENO) == 1});
}

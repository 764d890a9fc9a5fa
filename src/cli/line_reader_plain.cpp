#include <istream>
#include <ostream>

#include "cli/line_reader.hpp"

namespace cli {

namespace {

class PlainReader : public LineReader {
public:
  explicit PlainReader(Console& io) : io_(io) {}

  std::optional<std::string> ReadLine(const std::string& prompt) override {
    io_.err << prompt << std::flush;
    std::string line;
    if (!std::getline(io_.in, line))
      return std::nullopt;
    return line;
  }

private:
  Console& io_;
};

} // namespace

std::unique_ptr<LineReader> MakeTerminalReader(Console& io) {
  return std::make_unique<PlainReader>(io);
}

} // namespace cli

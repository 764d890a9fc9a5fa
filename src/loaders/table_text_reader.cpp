#include "loaders/table_text_reader.hpp"

#include <algorithm>
#include <cstring>
#include <limits>

namespace loaders {
namespace {

bool IsBlank(int c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}
bool IsDigit(int c) {
  return c >= '0' && c <= '9';
}

} // namespace

TableTextReader::TableTextReader(ByteSource& source, std::size_t chunkSize)
    : source_(source), chunk_(std::max<std::size_t>(chunkSize, 2)) {}

bool TableTextReader::Fill() {
  // Two bytes in view, so that a CR LF split across chunks still reads as LF.
  while (!eof_ && end_ - pos_ < 2) {
    std::memmove(chunk_.data(), chunk_.data() + pos_, end_ - pos_);
    end_ -= pos_;
    pos_ = 0;
    const std::size_t n = source_.Read(chunk_.data() + end_, chunk_.size() - end_);
    if (n == 0)
      eof_ = true;
    end_ += n;
  }
  return pos_ < end_;
}

int TableTextReader::Peek() {
  if (!Fill())
    return -1;
  const char c = chunk_[pos_];
  if (c == '\r' && pos_ + 1 < end_ && chunk_[pos_ + 1] == '\n')
    return '\n';
  return static_cast<unsigned char>(c);
}

void TableTextReader::Advance() {
  const bool crlf = chunk_[pos_] == '\r' && pos_ + 1 < end_ && chunk_[pos_ + 1] == '\n';
  pos_ += crlf ? 2 : 1;
}

bool TableTextReader::NextLine() {
  if (inLine_) {
    for (int c = Peek(); c != -1; c = Peek()) {
      Advance();
      if (c == '\n')
        break;
    }
  }
  scanOver_ = false;
  inLine_ = Peek() != -1;
  return inLine_;
}

std::optional<std::int32_t> TableTextReader::NextNumber() {
  if (!inLine_ || scanOver_)
    return std::nullopt;
  int c = Peek();
  while (IsBlank(c)) {
    Advance();
    c = Peek();
  }
  bool negative = false;
  if (c == '+' || c == '-') {
    negative = c == '-';
    Advance();
    c = Peek();
  }
  if (!IsDigit(c)) {
    scanOver_ = true;
    return std::nullopt;
  }
  // The magnitude is capped just past the 32-bit range; the digits that follow
  // are still consumed so that they cannot start another number.
  constexpr std::int64_t kCap = std::int64_t{1} << 32;
  std::int64_t magnitude = 0;
  for (; IsDigit(c); c = Peek()) {
    magnitude = std::min(magnitude * 10 + (c - '0'), kCap);
    Advance();
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value < std::numeric_limits<std::int32_t>::min() ||
      value > std::numeric_limits<std::int32_t>::max()) {
    scanOver_ = true;
    return std::nullopt;
  }
  return static_cast<std::int32_t>(value);
}

std::optional<std::size_t> TableTextReader::ReadRow(std::span<std::int32_t> row) {
  if (!NextLine())
    return std::nullopt;
  std::size_t taken = 0;
  while (taken < row.size()) {
    const auto number = NextNumber();
    if (!number)
      break;
    row[taken++] = *number;
  }
  return taken;
}

} // namespace loaders

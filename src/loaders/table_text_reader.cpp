#include "loaders/table_text_reader.hpp"

#include <algorithm>
#include <cstring>
#include <limits>

namespace loaders {
namespace {

constexpr char kEndOfText = 0x1A;

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
    char* const read = chunk_.data() + end_;
    const std::size_t n = source_.Read(read, chunk_.size() - end_);
    // A text-mode read ends the file at the first Ctrl-Z; what follows is
    // never read.
    const auto* stop = static_cast<const char*>(std::memchr(read, kEndOfText, n));
    end_ += stop != nullptr ? static_cast<std::size_t>(stop - read) : n;
    eof_ = n == 0 || stop != nullptr;
  }
  return pos_ < end_;
}

int TableTextReader::Peek() {
  // Fill only once fewer than two bytes are in view.
  if (end_ - pos_ < 2 && !Fill())
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
  // The rest of the line is skipped a chunk at a time; a CR before the LF
  // goes with it either way.
  while (inLine_ && (end_ - pos_ >= 2 || Fill())) {
    const char* p = chunk_.data() + pos_;
    const char* const end = chunk_.data() + end_;
    while (p != end && *p != '\n')
      ++p;
    pos_ = static_cast<std::size_t>(p - chunk_.data());
    if (p != end) {
      ++pos_;
      break;
    }
  }
  scanOver_ = false;
  inLine_ = Peek() != -1;
  return inLine_;
}

std::optional<std::int32_t> TableTextReader::NextNumber() {
  std::int32_t number = 0;
  if (!ScanNumber(number))
    return std::nullopt;
  return number;
}

bool TableTextReader::ScanNumber(std::int32_t& number) {
  if (!inLine_ || scanOver_)
    return false;
  // Blanks other than CR are skipped straight in the chunk; a CR, which may
  // be half of a line end, and the chunk's last byte go through Peek.
  while (pos_ + 1 < end_ && (chunk_[pos_] == ' ' || chunk_[pos_] == '\t'))
    ++pos_;
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
    return false;
  }
  // The magnitude is capped just past the 32-bit range; the digits that follow
  // are still consumed so that they cannot start another number.
  constexpr std::int64_t kCap = std::int64_t{1} << 32;
  std::int64_t magnitude = 0;
  // Digits are read straight from the chunk; only its end needs a refill.
  do {
    const char* p = chunk_.data() + pos_;
    const char* const end = chunk_.data() + end_;
    for (; p != end && IsDigit(*p); ++p)
      magnitude = std::min(magnitude * 10 + (*p - '0'), kCap);
    pos_ = static_cast<std::size_t>(p - chunk_.data());
  } while (pos_ == end_ && Fill());
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value < std::numeric_limits<std::int32_t>::min() ||
      value > std::numeric_limits<std::int32_t>::max()) {
    scanOver_ = true;
    return false;
  }
  number = static_cast<std::int32_t>(value);
  return true;
}

bool TableTextReader::PlainLine(std::int32_t& number) {
  if (!inLine_ || scanOver_)
    return false;
  const char* p = chunk_.data() + pos_;
  const char* const end = chunk_.data() + end_;
  while (p != end && (*p == ' ' || *p == '\t'))
    ++p;
  bool negative = false;
  if (p != end && (*p == '+' || *p == '-')) {
    negative = *p == '-';
    ++p;
  }
  // Up to ten digits fit the 64-bit sum; longer numbers take the general scan.
  std::int64_t magnitude = 0;
  int digits = 0;
  for (; p != end && IsDigit(*p) && digits <= 10; ++p, ++digits)
    magnitude = magnitude * 10 + (*p - '0');
  if (digits == 0 || digits > 10 || p == end)
    return false;
  if (*p == '\r' && p + 1 != end && p[1] == '\n')
    ++p;
  if (*p != '\n')
    return false;
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value < std::numeric_limits<std::int32_t>::min() ||
      value > std::numeric_limits<std::int32_t>::max())
    return false;
  number = static_cast<std::int32_t>(value);
  pos_ = static_cast<std::size_t>(p + 1 - chunk_.data());
  // Any byte after the line end starts a further line.
  inLine_ = pos_ < end_ || Peek() != -1;
  return true;
}

std::optional<std::size_t> TableTextReader::ReadRow(std::span<std::int32_t> row) {
  if (!NextLine())
    return std::nullopt;
  std::size_t taken = 0;
  while (taken < row.size() && ScanNumber(row[taken]))
    ++taken;
  return taken;
}

} // namespace loaders

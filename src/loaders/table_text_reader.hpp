// Reads a table text file: lines of decimal numbers separated by white space.
// It streams the file in fixed-size chunks and never holds a whole line, so a
// huge single-line file costs no more memory than a small one.
//
// A CR LF pair reads as LF; a line ends at LF; the last line needs no LF.
// The file ends at its first Ctrl-Z (0x1A), as in a text-mode read.
// A line's scan takes an optional sign and decimal digits after white space,
// and ends (the rest of the line ignored) at a character that cannot begin a
// number or at a number outside the signed 32-bit range.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "loaders/byte_source.hpp"

namespace loaders {

class TableTextReader {
public:
  static constexpr std::size_t kDefaultChunkSize = 64 * 1024;

  explicit TableTextReader(ByteSource& source, std::size_t chunkSize = kDefaultChunkSize);

  // Moves to the start of the next line, skipping what is left of the current
  // one; false when no further line exists.
  bool NextLine();
  // The next number of the current line; nothing once the line's scan ended.
  std::optional<std::int32_t> NextNumber();

  // Every number of the file across lines, in order, until sink returns false.
  template <class Sink> void ForEachNumber(Sink&& sink) {
    std::int32_t number = 0;
    while (NextLine()) {
      while (PlainLine(number)) {
        if (!sink(number))
          return;
      }
      while (ScanNumber(number)) {
        if (!sink(number))
          return;
      }
    }
  }

  // The next line scanned into row, at most row.size() numbers; the count
  // taken, or nothing when no further line exists.
  std::optional<std::size_t> ReadRow(std::span<std::int32_t> row);

  // True when the source failed to read (not merely ended).
  bool Failed() const { return source_.Failed(); }

private:
  // NextNumber without the optional, which costs a stall per line end.
  bool ScanNumber(std::int32_t& number);
  // At a line's start: a line of blanks, one number and its line end, taken
  // whole straight from the chunk, leaving the reader at the next line's
  // start. Anything else (or a line not wholly in view) is left untouched to
  // the general scan.
  bool PlainLine(std::int32_t& number);
  // The next character with CR LF read as LF, or -1 at the end.
  int Peek();
  void Advance();
  bool Fill();

  ByteSource& source_;
  std::vector<char> chunk_;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  bool eof_ = false;
  bool inLine_ = false;   // a line has been started and its LF not yet consumed
  bool scanOver_ = false; // the current line's scan has ended
};

} // namespace loaders

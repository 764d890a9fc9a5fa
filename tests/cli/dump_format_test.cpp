#include "cli/extras.hpp"

#include <array>
#include <gtest/gtest.h>

namespace cli {
namespace {

TEST(DumpFormat, EepromRowWithGapsAndFailures) {
  std::array<DumpCell, 16> cells{};
  cells[1] = {true, 0x41};
  cells[2] = {true, std::nullopt};
  cells[3] = {true, 0x7F};
  cells[15] = {true, 0x20};
  // Cell 0 blank, 1..3 read or not, 4..14 blank (11 cells of 3), 15 a blank byte.
  EXPECT_EQ(FormatEepromRow(0xFFF0, cells), "fff0:   "
                                            " 41 XX 7f" +
                                                std::string(33, ' ') + " 20" + "    " + " A?." +
                                                std::string(12, ' '));
}

TEST(DumpFormat, FpgaRowTrimsTheBlankEnd) {
  std::array<DumpCell, 8> cells{};
  cells[0] = {true, 0xFFFF};
  cells[1] = {true, std::nullopt};
  EXPECT_EQ(FormatFpgaRow(0x8000, cells), "8000: ffff XXXX");
}

} // namespace
} // namespace cli

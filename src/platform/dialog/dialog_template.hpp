// A dialog described as data: the control table every host builds from.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace dlg {

enum class ControlKind : std::uint8_t {
  PushButton,
  CheckBox,
  Edit,
  ComboBox,
  Static,
  GroupBox,
  Progress,
};

// Style bits; which apply depends on the kind.
enum Style : std::uint32_t {
  kNoStyle = 0,
  kDefaultButton = 1u << 0, // push button that Enter presses
  kAutoCheck = 1u << 1,     // check box that toggles itself when clicked
  kDropDown = 1u << 2,      // combo box with an edit part
  kDropDownList = 1u << 3,  // combo box without an edit part
  kSorted = 1u << 4,        // combo box that sorts its entries
  kSunken = 1u << 5,        // static with a sunken edge
  kNoWrap = 1u << 6,        // static that does not wrap its text
  kBorder = 1u << 7,        // edit or progress bar with a border
  kAutoHScroll = 1u << 8,   // edit scrolling horizontally as the user types
  kTabStop = 1u << 9,
  kGroup = 1u << 10,
};

constexpr std::uint32_t operator|(Style a, Style b) {
  return static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b);
}

// Id of a control that no code addresses (labels, group boxes).
constexpr int kStaticId = -1;

struct ControlTemplate {
  int id;
  ControlKind kind;
  std::string_view caption;
  int x, y, width, height; // dialog units; a combo box's height includes its list
  std::uint32_t style;
};

struct DialogTemplate {
  int resourceId;
  std::string_view title;
  int x, y, width, height; // dialog units
  std::string_view fontName;
  int pointSize;
  std::span<const ControlTemplate> controls;

  const ControlTemplate* Find(int id) const {
    for (const auto& c : controls)
      if (c.id == id)
        return &c;
    return nullptr;
  }
};

// Standard command ids.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

} // namespace dlg

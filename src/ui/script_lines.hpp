// The lines of a velta-cli script as a recording writes them: each word quoted
// so that the script's word rules read it back exactly, each action followed by
// a comment naming the control for the person who reads the script.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/dialog/dialog_template.hpp"

namespace ui {

// One script word holding `text` exactly: bare when nothing in it is special,
// single-quoted otherwise ('' for the empty text).
std::string ScriptWord(std::string_view text);

// "set ID TEXT".
std::string SetLine(int id, std::string_view text);
// "file PATH", or "file -" for a cancelled file dialog.
std::string FileLine(const std::optional<std::string>& path);

// The control as a reader finds it: its group box's caption and its own
// caption, or the label left of it; empty when it has neither.
std::string ControlName(const dlg::DialogTemplate& dialogTemplate, int id);
// An action line with its comment: "click 1003 # EMC2101 (IIC addr: 0x4C) - Write".
std::string ActionLine(std::string_view action, const dlg::DialogTemplate& dialogTemplate, int id);

} // namespace ui

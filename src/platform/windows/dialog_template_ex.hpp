// The extended dialog template (DLGTEMPLATEEX) that Windows builds a dialog
// from, laid out in memory from the same control table as every other host.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/dialog/dialog_template.hpp"

namespace win {

// Window and control style bits, with the Windows values.
constexpr std::uint32_t kWsPopup = 0x80000000;
constexpr std::uint32_t kWsChild = 0x40000000;
constexpr std::uint32_t kWsVisible = 0x10000000;
constexpr std::uint32_t kWsCaption = 0x00C00000;
constexpr std::uint32_t kWsBorder = 0x00800000;
constexpr std::uint32_t kWsVScroll = 0x00200000;
constexpr std::uint32_t kWsGroup = 0x00020000;
constexpr std::uint32_t kWsTabStop = 0x00010000;
constexpr std::uint32_t kWsExAppWindow = 0x00040000;
constexpr std::uint32_t kDsModalFrame = 0x80;
constexpr std::uint32_t kDsSetFont = 0x40;
constexpr std::uint32_t kDsFixedSys = 0x08;
constexpr std::uint32_t kBsPushButton = 0x0;
constexpr std::uint32_t kBsDefPushButton = 0x1;
constexpr std::uint32_t kBsCheckBox = 0x2;
constexpr std::uint32_t kBsAutoCheckBox = 0x3;
constexpr std::uint32_t kBsGroupBox = 0x7;
constexpr std::uint32_t kEsAutoHScroll = 0x80;
constexpr std::uint32_t kCbsDropDown = 0x2;
constexpr std::uint32_t kCbsDropDownList = 0x3;
constexpr std::uint32_t kCbsSort = 0x100;
constexpr std::uint32_t kCbsNoIntegralHeight = 0x400;
constexpr std::uint32_t kSsLeftNoWordWrap = 0xC;
constexpr std::uint32_t kSsSunken = 0x1000;

// Predefined control classes, by atom; the progress bar goes by name.
constexpr std::uint16_t kButtonAtom = 0x0080;
constexpr std::uint16_t kEditAtom = 0x0081;
constexpr std::uint16_t kStaticAtom = 0x0082;
constexpr std::uint16_t kComboBoxAtom = 0x0085;
constexpr char16_t kProgressClass[] = u"msctls_progress32";

// Default character set of the dialog font.
constexpr std::uint8_t kDefaultCharset = 1;

// The dialog's own style: a modal popup with a caption and the shell font, and
// no system menu, so no close box.
constexpr std::uint32_t kDialogStyle =
    kWsPopup | kWsVisible | kWsCaption | kDsModalFrame | kDsSetFont | kDsFixedSys;
constexpr std::uint32_t kDialogExStyle = kWsExAppWindow;

// The window style of one control of the table.
std::uint32_t ControlStyle(const dlg::ControlTemplate& control);

// The whole template: header, font, then each control DWORD-aligned. The
// bytes are little-endian; the buffer's data is DWORD-aligned as Windows needs.
std::vector<std::uint32_t> BuildDialogTemplateEx(const dlg::DialogTemplate& dialog);

} // namespace win

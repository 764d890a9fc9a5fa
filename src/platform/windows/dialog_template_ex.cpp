#include "platform/windows/dialog_template_ex.hpp"

#include <cstring>
#include <string_view>

namespace win {

namespace {

// Appends little-endian fields to a byte buffer.
class Writer {
public:
  void U8(std::uint8_t v) { bytes_.push_back(v); }
  void U16(std::uint16_t v) {
    U8(static_cast<std::uint8_t>(v));
    U8(static_cast<std::uint8_t>(v >> 8));
  }
  void U32(std::uint32_t v) {
    U16(static_cast<std::uint16_t>(v));
    U16(static_cast<std::uint16_t>(v >> 16));
  }
  void I16(int v) { U16(static_cast<std::uint16_t>(static_cast<std::int16_t>(v))); }
  // Captions are plain ASCII text in the table; each char widens as it is.
  void Text(std::string_view text) {
    for (const char c : text)
      U16(static_cast<std::uint8_t>(c));
    U16(0);
  }
  void WideText(std::u16string_view text) {
    for (const char16_t c : text)
      U16(c);
    U16(0);
  }
  // A class given by atom: 0xFFFF, then the atom.
  void Ordinal(std::uint16_t atom) {
    U16(0xFFFF);
    U16(atom);
  }
  void AlignDword() {
    while (bytes_.size() % 4 != 0)
      U8(0);
  }
  const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
  std::vector<std::uint8_t> bytes_;
};

void WriteClass(Writer& out, dlg::ControlKind kind) {
  switch (kind) {
  case dlg::ControlKind::PushButton:
  case dlg::ControlKind::CheckBox:
  case dlg::ControlKind::GroupBox:
    out.Ordinal(kButtonAtom);
    return;
  case dlg::ControlKind::Edit:
    out.Ordinal(kEditAtom);
    return;
  case dlg::ControlKind::ComboBox:
    out.Ordinal(kComboBoxAtom);
    return;
  case dlg::ControlKind::Static:
    out.Ordinal(kStaticAtom);
    return;
  case dlg::ControlKind::Progress:
    out.WideText(kProgressClass);
    return;
  }
}

std::uint32_t KindStyle(const dlg::ControlTemplate& control) {
  const std::uint32_t s = control.style;
  switch (control.kind) {
  case dlg::ControlKind::PushButton:
    return (s & dlg::kDefaultButton) ? kBsDefPushButton : kBsPushButton;
  case dlg::ControlKind::CheckBox:
    return (s & dlg::kAutoCheck) ? kBsAutoCheckBox : kBsCheckBox;
  case dlg::ControlKind::GroupBox:
    return kBsGroupBox;
  case dlg::ControlKind::Edit:
    return (s & dlg::kAutoHScroll) ? kEsAutoHScroll : 0;
  case dlg::ControlKind::ComboBox:
    // The open list scrolls: the beam list alone has 512 entries. It opens
    // to the template's height exactly; otherwise the themed control picks
    // its own number of rows.
    return ((s & dlg::kDropDownList) ? kCbsDropDownList : kCbsDropDown) |
           ((s & dlg::kSorted) ? kCbsSort : 0) | kCbsNoIntegralHeight | kWsVScroll;
  case dlg::ControlKind::Static:
    return ((s & dlg::kSunken) ? kSsSunken : 0) | ((s & dlg::kNoWrap) ? kSsLeftNoWordWrap : 0);
  case dlg::ControlKind::Progress:
    return 0;
  }
  return 0;
}

} // namespace

std::uint32_t ControlStyle(const dlg::ControlTemplate& control) {
  std::uint32_t style = kWsChild | kWsVisible | KindStyle(control);
  if (control.style & dlg::kBorder)
    style |= kWsBorder;
  if (control.style & dlg::kTabStop)
    style |= kWsTabStop;
  if (control.style & dlg::kGroup)
    style |= kWsGroup;
  return style;
}

std::vector<std::uint32_t> BuildDialogTemplateEx(const dlg::DialogTemplate& dialog) {
  Writer out;
  out.U16(1);      // dlgVer
  out.U16(0xFFFF); // signature of the extended form
  out.U32(0);      // helpID
  out.U32(kDialogExStyle);
  out.U32(kDialogStyle);
  out.U16(static_cast<std::uint16_t>(dialog.controls.size()));
  out.I16(dialog.x);
  out.I16(dialog.y);
  out.I16(dialog.width);
  out.I16(dialog.height);
  out.U16(0); // no menu
  out.U16(0); // the predefined dialog class
  out.Text(dialog.title);
  out.U16(static_cast<std::uint16_t>(dialog.pointSize));
  out.U16(0); // weight: the font's own
  out.U8(0);  // not italic
  out.U8(kDefaultCharset);
  out.Text(dialog.fontName);

  for (const auto& control : dialog.controls) {
    out.AlignDword();
    out.U32(0); // helpID
    out.U32(0); // extended style
    out.U32(ControlStyle(control));
    out.I16(control.x);
    out.I16(control.y);
    out.I16(control.width);
    out.I16(control.height);
    out.U32(static_cast<std::uint32_t>(control.id));
    WriteClass(out, control.kind);
    out.Text(control.caption);
    out.U16(0); // no creation data
  }

  const auto& bytes = out.bytes();
  std::vector<std::uint32_t> words((bytes.size() + 3) / 4);
  std::memcpy(words.data(), bytes.data(), bytes.size());
  return words;
}

} // namespace win

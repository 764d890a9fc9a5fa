#include "platform/dialog/dialog_host.hpp"

#include <algorithm>

namespace dlg {

namespace {

// A progress bar's range until SetRange, as the window systems have it.
constexpr std::pair<int, int> kDefaultRange{0, 100};

} // namespace

const ControlTemplate* DialogHost::Combo(int id) const {
  const ControlTemplate* control = template_ ? template_->Find(id) : nullptr;
  return control && control->kind == ControlKind::ComboBox ? control : nullptr;
}

void DialogHost::SetWindowText(int id, std::string_view text) {
  const ControlTemplate* combo = Combo(id);
  if (combo && (combo->style & kDropDownList)) {
    int found = -1;
    for (int i = 0, n = GetCount(id); i < n && found < 0; ++i)
      if (DoGetLBText(id, i) == text)
        found = i;
    DoSetCurSel(id, found);
    return;
  }
  if (combo)
    DoSetCurSel(id, -1);
  DoSetWindowText(id, text);
}

std::string DialogHost::GetLBText(int id, int index) const {
  if (index < 0 || index >= GetCount(id))
    return {};
  return DoGetLBText(id, index);
}

int DialogHost::SetCurSel(int id, int index) {
  if (index >= 0 && index < GetCount(id)) {
    DoSetCurSel(id, index);
    return index;
  }
  DoSetCurSel(id, -1);
  if (const ControlTemplate* combo = Combo(id); combo && (combo->style & kDropDown))
    DoSetWindowText(id, {});
  return -1;
}

void DialogHost::SetRange(int id, int lower, int upper) {
  DoSetRange(id, lower, upper);
  ranges_[id] = {lower, upper};
  const int pos = GetPos(id);
  if (pos < lower || pos > upper)
    DoSetPos(id, std::clamp(pos, lower, upper));
}

int DialogHost::SetPos(int id, int pos) {
  const auto range = ranges_.find(id);
  const auto [lower, upper] = range == ranges_.end() ? kDefaultRange : range->second;
  return DoSetPos(id, std::clamp(pos, lower, upper));
}

} // namespace dlg

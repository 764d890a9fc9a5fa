#include "platform/headless/headless_host.hpp"

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <utility>

namespace dlg {

namespace {

// Sorted combo boxes compare without regard to case, as the window system does.
bool LessNoCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) <
           std::tolower(static_cast<unsigned char>(y));
  });
}

} // namespace

bool HeadlessHost::Open(CDialog& dialog) {
  controls_.clear();
  order_.clear();
  for (const auto& control : dialog.Template().controls) {
    if (control.id == kStaticId)
      continue;
    ControlState state;
    state.control = &control;
    if (control.kind != ControlKind::Edit && control.kind != ControlKind::ComboBox)
      state.text = std::string(control.caption);
    controls_[control.id] = std::move(state);
    order_.push_back(control.id);
  }
  dialog_ = &dialog;
  ended_ = false;
  result_.reset();
  return dialog.InitDialog();
}

int HeadlessHost::RunModal(CDialog& dialog) {
  Open(dialog);
  if (modalLoop_ && !ended_)
    modalLoop_(*this);
  if (!ended_)
    EndDialog(IDCANCEL);
  return *result_;
}

void HeadlessHost::EndDialog(int result) {
  ended_ = true;
  result_ = result;
}

void HeadlessHost::Click(int id) {
  ControlState& state = At(id);
  if (state.control->kind == ControlKind::CheckBox && (state.control->style & kAutoCheck))
    state.check = state.check ? 0 : 1;
  dialog_->OnCommand(id, Notification::Clicked);
}

void HeadlessHost::SetCheckAndClick(int id, int value) {
  At(id).check = value;
  dialog_->OnCommand(id, Notification::Clicked);
}

void HeadlessHost::Select(int id, int index) {
  SetCurSel(id, index);
  dialog_->OnCommand(id, Notification::SelChange);
}

const ControlState& HeadlessHost::State(int id) const {
  return At(id);
}

std::vector<int> HeadlessHost::ControlIds() const {
  return order_;
}

ControlState& HeadlessHost::At(int id) {
  const auto it = controls_.find(id);
  if (it == controls_.end())
    throw std::out_of_range("no control " + std::to_string(id));
  return it->second;
}

const ControlState& HeadlessHost::At(int id) const {
  return const_cast<HeadlessHost*>(this)->At(id);
}

std::string HeadlessHost::GetWindowText(int id) const {
  const ControlState& state = At(id);
  // A combo box's text is its edit part, which shows the selected entry.
  if (state.control->kind == ControlKind::ComboBox && state.selection >= 0)
    return state.items[static_cast<std::size_t>(state.selection)];
  return state.text;
}

void HeadlessHost::DoSetWindowText(int id, std::string_view text) {
  At(id).text = std::string(text);
}

void HeadlessHost::EnableWindow(int id, bool enable) {
  At(id).enabled = enable;
}
bool HeadlessHost::IsWindowEnabled(int id) const {
  return At(id).enabled;
}
int HeadlessHost::GetCheck(int id) const {
  return At(id).check;
}
void HeadlessHost::SetCheck(int id, int state) {
  At(id).check = state;
}

int HeadlessHost::AddString(int id, std::string_view text) {
  ControlState& state = At(id);
  std::string item(text);
  auto where = state.items.end();
  if (state.control->style & kSorted)
    where = std::upper_bound(state.items.begin(), state.items.end(), item, LessNoCase);
  const int index = static_cast<int>(where - state.items.begin());
  state.items.insert(where, std::move(item));
  if (state.selection >= index)
    ++state.selection;
  return index;
}

void HeadlessHost::AddStrings(int id, std::span<const std::string> texts) {
  for (const auto& text : texts)
    AddString(id, text);
}

int HeadlessHost::GetCount(int id) const {
  return static_cast<int>(At(id).items.size());
}

std::string HeadlessHost::DoGetLBText(int id, int index) const {
  return At(id).items[static_cast<std::size_t>(index)];
}

int HeadlessHost::GetCurSel(int id) const {
  return At(id).selection;
}

void HeadlessHost::DoSetCurSel(int id, int index) {
  At(id).selection = index;
}

void HeadlessHost::DoSetRange(int id, int lower, int upper) {
  ControlState& state = At(id);
  state.rangeLower = lower;
  state.rangeUpper = upper;
}

int HeadlessHost::GetPos(int id) const {
  return At(id).position;
}

int HeadlessHost::DoSetPos(int id, int pos) {
  return std::exchange(At(id).position, pos);
}

std::optional<std::string> HeadlessHost::ChooseFile(const FileDialogOptions& options) {
  fileDialogs_.push_back(
      {std::string(options.filter), std::string(options.defaultExtension), options.flags});
  if (files_.empty())
    return std::nullopt;
  auto choice = std::move(files_.front());
  files_.pop_front();
  return choice;
}

int HeadlessHost::MessageBox(std::string_view text, std::string_view caption, unsigned type) {
  messageBoxes_.push_back({std::string(text), std::string(caption), type});
  if (messageBoxObserver_)
    messageBoxObserver_(messageBoxes_.back());
  return IDOK;
}

void HeadlessHost::BeginWaitCursor() {
  ++waitDepth_;
  ++waitCount_;
}

void HeadlessHost::EndWaitCursor() {
  --waitDepth_;
}

} // namespace dlg

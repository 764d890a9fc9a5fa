// Control handles: a host and an id, with the operations the handlers use.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "platform/dialog/dialog_host.hpp"

class CWnd {
public:
  void Attach(dlg::DialogHost& host, int id) {
    host_ = &host;
    id_ = id;
  }

  std::string GetWindowText() const { return host_->GetWindowText(id_); }
  void SetWindowText(std::string_view text) { host_->SetWindowText(id_, text); }
  void EnableWindow(bool enable = true) { host_->EnableWindow(id_, enable); }
  bool IsWindowEnabled() const { return host_->IsWindowEnabled(id_); }
  void UpdateWindow() { host_->UpdateWindow(id_); }

protected:
  dlg::DialogHost* host_ = nullptr;
  int id_ = 0;
};

class CEdit : public CWnd {};
class CStatic : public CWnd {};

class CButton : public CWnd {
public:
  int GetCheck() const { return host_->GetCheck(id_); }
  void SetCheck(int state) { host_->SetCheck(id_, state); }
};

class CComboBox : public CWnd {
public:
  int AddString(std::string_view text) { return host_->AddString(id_, text); }
  void AddStrings(std::span<const std::string> texts) { host_->AddStrings(id_, texts); }
  int GetCount() const { return host_->GetCount(id_); }
  std::string GetLBText(int index) const { return host_->GetLBText(id_, index); }
  int GetCurSel() const { return host_->GetCurSel(id_); }
  int SetCurSel(int index) { return host_->SetCurSel(id_, index); }
};

class CProgressCtrl : public CWnd {
public:
  void SetRange(int lower, int upper) { host_->SetRange(id_, lower, upper); }
  int GetPos() const { return host_->GetPos(id_); }
  int SetPos(int pos) { return host_->SetPos(id_, pos); }
};

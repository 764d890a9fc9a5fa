// A wx host whose shell services answer without user: file dialogs cancel,
// message boxes and the modal run are recorded in order.
#pragma once

#include <string>
#include <vector>

#include "platform/wx/wx_host.hpp"

class RecordingWxHost : public dlg::WxHost {
public:
  // What happened, in order: "wait+", "wait-", "file", "modal",
  // "box:<caption>|<text>|<type>".
  std::vector<std::string> events;

  // Builds the window and records its title instead of running it.
  int RunModal(::CDialog& dialog) override {
    Create(dialog);
    events.push_back("modal:" + std::string(Window()->GetTitle().utf8_str()));
    Close();
    return dlg::IDCANCEL;
  }
  std::optional<std::string> ChooseFile(const dlg::FileDialogOptions&) override {
    events.push_back("file");
    return std::nullopt;
  }
  int MessageBox(std::string_view text, std::string_view caption, unsigned type) override {
    events.push_back("box:" + std::string(caption) + "|" + std::string(text) + "|" +
                     std::to_string(type));
    return dlg::IDOK;
  }
  void BeginWaitCursor() override {
    events.push_back("wait+");
    WxHost::BeginWaitCursor();
  }
  void EndWaitCursor() override {
    events.push_back("wait-");
    WxHost::EndWaitCursor();
  }
};

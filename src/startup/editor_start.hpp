// velta-editor's start-up on every platform: its options, --help, --version
// and usage errors, then the backend; the platform's main runs the dialog.
#pragma once

#include <functional>
#include <ostream>
#include <span>
#include <string>

#include "platform/dialog/action_observer.hpp"
#include "startup/backend.hpp"

namespace startup {

struct EditorIo {
  std::ostream& out;
  std::ostream& err;
  // Called before anything is written to out or err, or before a trace goes
  // to standard error: a windowed program attaches to a console only then.
  std::function<void()> needConsole;
};

// The editor's help text.
std::string EditorHelp(bool platformDevice);

// Returns the exit status: help, version and usage errors end here; otherwise
// `run` gets the backend and, with --record, the observer its host reports the
// user's actions to (null without), and its result is the status.
int StartEditor(std::span<const std::string> args, Platform platform, EditorIo io,
                const std::function<int(Backend&, dlg::ActionObserver*)>& run);

} // namespace startup

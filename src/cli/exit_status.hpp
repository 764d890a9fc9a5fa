// What a run comes to: 2 for a usage error, else 1 when a message box was
// shown (no device, a handler's message, a failed verification), a load's file
// could not be read or an expectation failed, else 3 when a request failed,
// else 0.
#pragma once

namespace cli {

struct ExitStatus {
  bool usageError = false;
  bool messageShown = false;
  bool requestFailed = false;
  bool loadRefused = false;
  bool expectationFailed = false;

  int Code() const {
    if (usageError)
      return 2;
    if (messageShown || loadRefused || expectationFailed)
      return 1;
    return requestFailed ? 3 : 0;
  }
};

} // namespace cli

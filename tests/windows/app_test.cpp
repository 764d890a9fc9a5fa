// Start-up and exit on Windows: common controls, COM, the wait cursor around
// discovery, then the message box or the dialog, and COM taken down only
// after the control channel has been released.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app-win/velta_editor_app.hpp"
#include "platform/headless/headless_host.hpp"
#include "platform/ks/unknown.hpp"
#include "sim/simulator.hpp"
#include "support/channel_catalog.hpp"

namespace {

using Log = std::vector<std::string>;

class RecordingRuntime : public win::AppRuntime {
public:
  explicit RecordingRuntime(Log& log) : log_(log) {}
  void InitCommonControls() override { log_.push_back("InitCommonControls"); }
  void CoInitialize() override { log_.push_back("CoInitialize"); }
  void CoUninitialize() override { log_.push_back("CoUninitialize"); }

private:
  Log& log_;
};

class RecordingHost : public dlg::HeadlessHost {
public:
  explicit RecordingHost(Log& log) : log_(log) {}
  void BeginWaitCursor() override {
    log_.push_back("BeginWaitCursor");
    HeadlessHost::BeginWaitCursor();
  }
  void EndWaitCursor() override {
    log_.push_back("EndWaitCursor");
    HeadlessHost::EndWaitCursor();
  }
  int MessageBox(std::string_view text, std::string_view caption, unsigned type) override {
    log_.push_back("MessageBox " + std::string(caption) + ": " + std::string(text) + " " +
                   std::to_string(type));
    return HeadlessHost::MessageBox(text, caption, type);
  }
  int RunModal(CDialog& dialog) override {
    log_.push_back("RunModal");
    return HeadlessHost::RunModal(dialog);
  }

private:
  Log& log_;
};

// The board's channel, noting when the last holder other than the test lets go.
class LoggingControl : public ks::RefCounted<ks::KsControl> {
public:
  LoggingControl(ks::ComPtr<ks::KsControl> inner, Log& log) : inner_(std::move(inner)), log_(log) {}
  ks::HResult KsProperty(const void* property, std::uint32_t propertyLength, void* data,
                         std::uint32_t dataLength, std::uint32_t* bytesReturned) override {
    return inner_->KsProperty(property, propertyLength, data, dataLength, bytesReturned);
  }
  std::uint32_t Release() override {
    const std::uint32_t left = RefCounted::Release();
    if (left == 1)
      log_.push_back("channel released");
    return left;
  }

private:
  ks::ComPtr<ks::KsControl> inner_;
  Log& log_;
};

class NoCatalog : public ks::DeviceCatalog {
public:
  ks::HResult CreateDeviceEnumerator(std::uint32_t, ks::DeviceEnumerator** out) override {
    *out = nullptr;
    return static_cast<ks::HResult>(0x80040154u); // class not registered
  }
};

TEST(WindowsAppTest, WithoutADeviceShowsTheMessageAndTakesComDown) {
  Log log;
  RecordingRuntime runtime(log);
  RecordingHost host(log);
  NoCatalog catalog;
  ks::VirtualClock clock;
  ks::Recorder recorder(clock);
  CVeltaEditorApp app(runtime, host, catalog, recorder);
  EXPECT_FALSE(app.InitInstance());
  EXPECT_EQ(app.ExitInstance(), 0);
  EXPECT_EQ(log, (Log{"InitCommonControls", "CoInitialize", "BeginWaitCursor", "EndWaitCursor",
                      "MessageBox No device found: Velta Device 16", "CoUninitialize"}));
}

TEST(WindowsAppTest, WithADeviceRunsTheDialogAndReleasesTheChannelBeforeCom) {
  Log log;
  sim::Simulator simulator;
  auto channel =
      ks::MakeCounted<LoggingControl>(support::ChannelCatalog::Bind(simulator.catalog()), log);
  support::ChannelCatalog catalog(channel.Get());
  RecordingRuntime runtime(log);
  RecordingHost host(log);
  ks::Recorder recorder(simulator.clock());
  CVeltaEditorApp app(runtime, host, catalog, recorder);
  EXPECT_FALSE(app.InitInstance());
  EXPECT_EQ(app.ExitInstance(), 0);
  EXPECT_EQ(log, (Log{"InitCommonControls", "CoInitialize", "BeginWaitCursor", "EndWaitCursor",
                      "RunModal", "channel released", "CoUninitialize"}));
  EXPECT_TRUE(host.messageBoxes().empty());
}

} // namespace

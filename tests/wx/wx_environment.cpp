// Brings wxWidgets up once per test program, on the display xvfb-run gives.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/init.h>

namespace {

class WxEnvironment : public ::testing::Environment {
public:
  void SetUp() override {
    wxApp::SetInstance(new wxApp);
    static char name[] = "test_wx";
    static char* argv[] = {name, nullptr};
    int argc = 1;
    ASSERT_TRUE(wxEntryStart(argc, argv)) << "no display: run under xvfb-run";
  }
  void TearDown() override { wxEntryCleanup(); }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new WxEnvironment);

} // namespace

// The host contract on Win32 controls, inside the system's modal loop.
#include "platform/windows/win32_host.hpp"
#include "support/host_contract.hpp"

namespace contract {

struct Win32Runner {
  static void Run(const Script& script) {
    win::Win32Host host;
    ContractDialog dialog(host, [&](dlg::DialogHost& open) {
      script(open);
      open.EndDialog(dlg::IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), dlg::IDOK);
  }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, HostContract, Win32Runner);
} // namespace contract

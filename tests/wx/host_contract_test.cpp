// The host contract on real wx controls.
#include "platform/wx/wx_host.hpp"
#include "support/host_contract.hpp"

namespace contract {

struct WxRunner {
  static void Run(const Script& script) {
    dlg::WxHost host;
    ContractDialog dialog(host, script);
    host.Create(dialog);
  }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Wx, HostContract, WxRunner);
} // namespace contract

// The host contract on real wx controls.
#include "platform/wx/wx_host.hpp"
#include "support/host_contract.hpp"

namespace {

struct WxRunner {
  static void Run(const contract::Script& script) {
    dlg::WxHost host;
    contract::ContractDialog dialog(host, script);
    host.Create(dialog);
  }
};

} // namespace

namespace contract {
INSTANTIATE_TYPED_TEST_SUITE_P(Wx, HostContract, WxRunner);
} // namespace contract

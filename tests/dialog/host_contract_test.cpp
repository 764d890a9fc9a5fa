// The host contract on the headless host, which the command line and most
// tests stand on.
#include "platform/headless/headless_host.hpp"
#include "support/host_contract.hpp"

namespace contract {

struct HeadlessRunner {
  static void Run(const Script& script) {
    dlg::HeadlessHost host;
    ContractDialog dialog(host, script);
    host.Open(dialog);
  }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Headless, HostContract, HeadlessRunner);
} // namespace contract

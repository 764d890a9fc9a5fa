// A driver that answers FPGA gets above 0xFFFF: the write-back of an equal
// value must then take the single-register set, since the register-pair
// block's 16-bit address would name another register.
#include <gtest/gtest.h>

#include "support/channel_catalog.hpp"
#include "support/console_fixture.hpp"

namespace {

using namespace support;

// Passes every call to the board but answers gets of wide addresses itself.
class WideAnswering : public ks::RefCounted<ks::KsControl> {
public:
  WideAnswering(ks::ComPtr<ks::KsControl> inner, std::uint16_t value)
      : inner_(std::move(inner)), value_(value) {}

  ks::HResult KsProperty(const void* property, std::uint32_t propertyLength, void* data,
                         std::uint32_t dataLength, std::uint32_t* bytesReturned) override {
    const auto* p = static_cast<const std::uint8_t*>(property);
    const auto* d = static_cast<std::uint8_t*>(data);
    calls.push_back({Bytes(p, p + propertyLength), Bytes(d, d + dataLength)});
    const auto header = ks::KsPropertyHeader::ReadFrom(p);
    if (propertyLength == 32 && header.set == FpgaRegisterSet && ks::GetU32(p + 28) > 0xFFFF) {
      if (header.flags == 1)
        ks::PutU16(static_cast<std::uint8_t*>(data), value_);
      return ks::S_OK;
    }
    return inner_->KsProperty(property, propertyLength, data, dataLength, bytesReturned);
  }

  std::vector<Request> calls;

private:
  ks::ComPtr<ks::KsControl> inner_;
  std::uint16_t value_;
};

struct Case {
  const char* value;
  Request write;
};

TEST(WriteToFpga, WideAddressNeverWritesThroughTheBlock) {
  for (const Case& c : {Case{"7", FpgaSet(0x12345, 7)}, Case{"8", FpgaSet(0x12345, 8)}}) {
    sim::Simulator board({}, sim::TimeMode::Virtual);
    ks::Recorder recorder(board.clock());
    auto wrapper = ks::MakeCounted<WideAnswering>(ChannelCatalog::Bind(board.catalog()), 7);
    ChannelCatalog catalog(wrapper.Get());
    dlg::HeadlessHost host;
    {
      CVeltaEditorDlg dialog(host, catalog, recorder);
      ASSERT_TRUE(dialog.FindDevice());
      host.Open(dialog);
      wrapper->calls.clear();
      host.Type(1077, "12345");
      host.Type(1079, c.value);
      host.Click(1080);
    }
    EXPECT_EQ(wrapper->calls, (std::vector<Request>{FpgaGet(0x12345), c.write})) << c.value;
    EXPECT_EQ(board.board().fpga().Register(0x2345), 0);
  }
}

} // namespace

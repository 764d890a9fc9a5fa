#include <sstream>
#include <vector>

#include "platform/ks/tracing_clock.hpp"
#include "sim_fixture.hpp"

namespace {

using TraceTest = BoundBoard;

const char* const kFpgaSetPrefix =
    R"({"prop":"3f690bcd1a9b80438730e9604f3e1556000000000200000000000000)";

TEST_F(TraceTest, PropertyCallGoldenLine) {
  recorder->trace().Clear();
  const std::uint16_t value = 0x1234;
  link.WriteFpgaRegister(0x1F, &value);
  ASSERT_EQ(recorder->trace().events().size(), 1u);
  EXPECT_EQ(ks::ToJson(recorder->trace().events()[0]),
            std::string(kFpgaSetPrefix) +
                R"(1f000000","data":"3412","len":2,"hr":"0x00000000","out":"3412"})");
}

TEST_F(TraceTest, FailedGetGoldenLine) {
  recorder->trace().Clear();
  std::uint8_t preset[2] = {0xAB, 0xCD};
  link.ReadUart(preset, 2);
  EXPECT_EQ(recorder->trace().ToJsonLines(),
            R"({"prop":"87ffeb967d70f8438e10fd6e5c15ecdc0000000001000000b800000000000200",)"
            R"("data":"abcd","len":2,"hr":"0x8007001f","out":"abcd"})"
            "\n");
}

TEST_F(TraceTest, GetShowsTheBufferBeforeAndAfter) {
  recorder->trace().Clear();
  board().SetGpio(3, 0x7E);
  std::uint8_t level = 0;
  link.GetGpio(3, &level);
  const auto& e = std::get<ks::PropertyEvent>(recorder->trace().events()[0]);
  EXPECT_EQ(e.data, std::vector<std::uint8_t>{0});
  EXPECT_EQ(e.out, std::vector<std::uint8_t>{0x7E});
}

TEST_F(TraceTest, DiscoveryProbesAreTraced) {
  const auto& events = recorder->trace().events();
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(ks::ToJson(events[1]),
            R"({"prop":"3f690bcd1a9b80438730e9604f3e15560000000000020000",)"
            R"("data":"00000000","len":4,"hr":"0x00000000","out":"03000000"})");
}

TEST_F(TraceTest, SleepGoldenLineAndForwarding) {
  recorder->trace().Clear();
  recorder->clock().Sleep(20);
  EXPECT_EQ(recorder->trace().ToJsonLines(), "{\"sleep_ms\":20}\n");
  ASSERT_NE(sim->virtualClock(), nullptr);
  EXPECT_EQ(sim->virtualClock()->pauses(), std::vector<std::uint32_t>{20});
}

TEST(TracingClock, ForwardsToTheWrappedClock) {
  ks::Trace trace;
  ks::VirtualClock inner;
  ks::TracingClock clock(trace, inner);
  clock.Sleep(5);
  clock.Sleep(7);
  EXPECT_EQ(inner.total_ms(), 12u);
  EXPECT_EQ(trace.ToJsonLines(), "{\"sleep_ms\":5}\n{\"sleep_ms\":7}\n");
}

TEST_F(TraceTest, EachEventIsWrittenAsItHappens) {
  recorder->trace().Clear();
  std::ostringstream out;
  recorder->trace().StreamTo(&out);
  const std::uint16_t value = 1;
  link.WriteFpgaRegister(2, &value);
  EXPECT_EQ(out.str(), recorder->trace().ToJsonLines());
  recorder->clock().Sleep(1);
  EXPECT_EQ(out.str(), recorder->trace().ToJsonLines());
  recorder->trace().StreamTo(nullptr);
}

TEST_F(TraceTest, StreamingWithoutKeepingEvents) {
  std::ostringstream out;
  recorder->trace().Clear();
  recorder->trace().set_keepEvents(false);
  recorder->trace().StreamTo(&out);
  recorder->clock().Sleep(3);
  recorder->trace().StreamTo(nullptr);
  EXPECT_TRUE(recorder->trace().events().empty());
  EXPECT_EQ(out.str(), "{\"sleep_ms\":3}\n");
}

} // namespace

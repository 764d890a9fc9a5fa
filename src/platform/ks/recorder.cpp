#include "platform/ks/recorder.hpp"

#include <cstdio>
#include <utility>
#include <vector>

namespace ks {

namespace {

std::vector<std::uint8_t> Copy(const void* bytes, std::uint32_t length) {
  if (bytes == nullptr)
    return {};
  const auto* p = static_cast<const std::uint8_t*>(bytes);
  return {p, p + length};
}

class RecordingControl : public RefCounted<KsControl> {
public:
  RecordingControl(ComPtr<KsControl> inner, Recorder& recorder)
      : inner_(std::move(inner)), recorder_(recorder) {}

  HResult KsProperty(const void* property, std::uint32_t propertyLength, void* data,
                     std::uint32_t dataLength, std::uint32_t* bytesReturned) override {
    Trace& trace = recorder_.trace();
    const bool tracing = trace.active();
    PropertyEvent event;
    if (tracing) {
      event.property = Copy(property, propertyLength);
      event.data = Copy(data, dataLength);
      event.length = dataLength;
    }
    const HResult hr =
        inner_->KsProperty(property, propertyLength, data, dataLength, bytesReturned);
    recorder_.stats().Record(hr);
    if (tracing) {
      event.hr = hr;
      event.out = Copy(data, dataLength);
      if (bytesReturned != nullptr)
        event.returned = *bytesReturned;
      trace.Record(std::move(event));
    }
    return hr;
  }

private:
  ComPtr<KsControl> inner_;
  Recorder& recorder_;
};

} // namespace

ComPtr<KsControl> Recorder::Wrap(ComPtr<KsControl> channel) {
  if (!channel)
    return channel;
  return MakeCounted<RecordingControl>(std::move(channel), *this);
}

std::optional<std::string> Recorder::FailureSummary() const {
  const auto first = stats_.firstFailure();
  if (!first)
    return std::nullopt;
  char text[80];
  std::snprintf(text, sizeof text, "%llu request(s) failed, first 0x%08x",
                static_cast<unsigned long long>(stats_.failed()),
                static_cast<std::uint32_t>(*first));
  return text;
}

} // namespace ks

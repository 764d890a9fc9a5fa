#include "cli/replay_runner.hpp"

#include <vector>

#include "cli/replay_reader.hpp"
#include "cli/replay_summary.hpp"
#include "device/device_link.hpp"

namespace cli {

namespace {

// The first pass: nothing is sent unless every line is a trace event.
bool CheckTrace(TraceReader& reader, const std::string& path, ReplayStreams& io) {
  if (!reader.IsOpen()) {
    io.err << "velta-cli: cannot read the trace " << path << '\n';
    return false;
  }
  ks::TraceEvent event;
  while (reader.Next(event)) {
  }
  if (reader.error().empty())
    reader.Rewind();
  if (!reader.error().empty()) {
    io.err << "velta-cli: " << path << " " << reader.error() << '\n';
    return false;
  }
  return true;
}

// One recorded call on the channel, with a copy of the recorded data as buffer.
bool SameAnswer(ks::KsControl& channel, const ks::PropertyEvent& call, std::uint64_t number,
                std::ostream& out) {
  std::vector<std::uint8_t> buffer = call.data;
  std::uint32_t returned = 0;
  const ks::HResult hr =
      channel.KsProperty(call.property.data(), static_cast<std::uint32_t>(call.property.size()),
                         buffer.empty() ? nullptr : buffer.data(), call.length, &returned);
  if (hr == call.hr && buffer == call.out)
    return true;
  out << '#' << number << ' ' << Summarize(call) << ": " << DescribeDifference(call, hr, buffer)
      << '\n';
  return false;
}

} // namespace

ReplayStatus RunReplay(const std::string& path, ReplayStreams io, ks::DeviceCatalog& catalog,
                       ks::Recorder& recorder) {
  TraceReader reader(path);
  if (!CheckTrace(reader, path, io))
    return kReplayBadTrace;

  DeviceLink link;
  link.SetRecorder(&recorder);
  if (!link.FindDevice(catalog)) {
    io.err << "No device found: Velta Device\n";
    return kReplayNoDevice;
  }
  ks::KsControl& channel = *link.Channel();

  std::uint64_t calls = 0;
  std::uint64_t differ = 0;
  ks::TraceEvent event;
  while (reader.Next(event)) {
    if (const auto* pause = std::get_if<ks::SleepEvent>(&event))
      recorder.clock().Sleep(pause->ms);
    else if (!SameAnswer(channel, std::get<ks::PropertyEvent>(event), ++calls, io.out))
      ++differ;
  }
  io.out << "replayed " << calls << " calls, " << differ << " differ\n";
  io.out.flush();
  if (!reader.error().empty()) {
    // The file changed between the check and the replay.
    io.err << "velta-cli: " << path << " " << reader.error() << '\n';
    return kReplayBadTrace;
  }
  return differ == 0 ? kReplaySame : kReplayDiffers;
}

} // namespace cli

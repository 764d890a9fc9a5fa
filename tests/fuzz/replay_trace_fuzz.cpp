// The replay trace reader on arbitrary files. Every file is read to its end or
// refused at one line: "line N: ..." where N is the line after the last event
// read, on one line of its own. Every event read writes back as a line the
// reader reads as the same event; a second pass reads the same; and the heap
// the reader holds while reading stays within a bound set by the longest line
// read, not by the file.
#include <sanitizer/allocator_interface.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <string>

#include "cli/replay_reader.hpp"
#include "fuzz_check.hpp"

namespace {

// Heap bytes taken while counting, less those given back.
long long gLive = 0;
long long gPeak = 0;
bool gCounting = false;

void OnMalloc(const volatile void*, std::size_t size) {
  if (!gCounting)
    return;
  gLive += static_cast<long long>(size);
  gPeak = std::max(gPeak, gLive);
}

void OnFree(const volatile void* pointer) {
  if (gCounting && pointer != nullptr)
    gLive -=
        static_cast<long long>(__sanitizer_get_allocated_size(const_cast<const void*>(pointer)));
}

// A JSON value takes a few dozen bytes for each byte of its text at worst
// (an array in an array); the constant is the stream's buffer and messages.
constexpr long long kHeapPerLineByte = 64;
constexpr long long kHeapBase = 32 * 1024;

struct Pass {
  std::size_t events = 0;
  std::string error;
};

// The length of each line as the reader sees it, the last one cut short or not.
std::size_t LongestOf(const std::string& text, std::size_t lines) {
  std::size_t longest = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i < lines && start <= text.size(); ++i) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    longest = std::max(longest, end - start);
    start = end + 1;
  }
  return longest;
}

void CheckRoundTrip(const ks::TraceEvent& event) {
  const std::string line = ks::ToJson(event);
  const cli::ParsedLine again = cli::ParseTraceLine(line);
  FUZZ_CHECK(again.error.empty());
  FUZZ_CHECK(ks::ToJson(again.event) == line);
}

Pass Read(cli::TraceReader& reader) {
  Pass pass;
  gLive = 0;
  gPeak = 0;
  gCounting = true;
  for (ks::TraceEvent event; reader.Next(event);) {
    gCounting = false;
    CheckRoundTrip(event);
    ++pass.events;
    gCounting = true;
  }
  gCounting = false;
  pass.error = reader.error();
  return pass;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  __sanitizer_install_malloc_and_free_hooks(OnMalloc, OnFree);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const int fd = memfd_create("trace", 0);
  FUZZ_CHECK(fd >= 0);
  FUZZ_CHECK(ftruncate(fd, 0) == 0);
  FUZZ_CHECK(pwrite(fd, data, size, 0) == static_cast<ssize_t>(size));
  const std::string text = fuzz::Text(data, size);
  const auto lineEnds = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));

  cli::TraceReader reader("/proc/self/fd/" + std::to_string(fd));
  FUZZ_CHECK(reader.IsOpen());
  const Pass first = Read(reader);
  const std::size_t linesRead = first.events + (first.error.empty() ? 0 : 1);
  FUZZ_CHECK(gPeak <=
             kHeapPerLineByte * static_cast<long long>(LongestOf(text, linesRead)) + kHeapBase);
  if (first.error.empty()) {
    FUZZ_CHECK(first.events == lineEnds);
    FUZZ_CHECK(text.empty() || text.back() == '\n');
  } else {
    const std::string where = "line " + std::to_string(first.events + 1) + ": ";
    FUZZ_CHECK(first.error.starts_with(where) && first.error.size() > where.size());
    FUZZ_CHECK(first.error.find('\n') == std::string::npos);
    FUZZ_CHECK(first.events <= lineEnds);
  }

  reader.Rewind();
  FUZZ_CHECK(reader.error().empty());
  const Pass second = Read(reader);
  FUZZ_CHECK(second.events == first.events && second.error == first.error);
  return 0;
}

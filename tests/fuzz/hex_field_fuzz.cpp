// An edit field's hexadecimal value against the C library's "%x" conversion,
// the rule the field follows.
#include <cstdio>
#include <cstring>

#include "fuzz_check.hpp"
#include "platform/dialog/hex_field.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // A field's text holds no NUL; the C library stops at the first one.
  std::string text = fuzz::Text(data, size);
  text.resize(std::strlen(text.c_str()));
  constexpr std::int32_t kPreset = 0x5A5A5A5A;
  unsigned int scanned = 0;
  const std::int32_t expected =
      std::sscanf(text.c_str(), "%x", &scanned) == 1 ? static_cast<std::int32_t>(scanned) : kPreset;
  const std::int32_t parsed = dlg::ParseHexField(text, kPreset);
  if (parsed != expected) {
    std::fprintf(stderr, "text \"%s\": parsed %08x, %%x gives %08x\n", text.c_str(),
                 static_cast<unsigned>(parsed), static_cast<unsigned>(expected));
  }
  FUZZ_CHECK(parsed == expected);
  return 0;
}

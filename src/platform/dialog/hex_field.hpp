// Reading an edit field's text as a hexadecimal number, with the rules of the
// C library's "%x" conversion: leading white space, an optional sign, an
// optional 0x or 0X, then hex digits up to the first other character. The
// value lands in a signed 32-bit integer, so eight digits with the top bit set
// read as negative. A text without a number leaves the caller's preset.
#pragma once

#include <cstdint>
#include <string_view>

namespace dlg {

std::int32_t ParseHexField(std::string_view text, std::int32_t preset);

} // namespace dlg

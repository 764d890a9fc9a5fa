// Text between the dialog framework (narrow strings in the process code page,
// as the C library's file functions take them) and Windows' wide functions.
#pragma once

#include <string>
#include <string_view>

namespace win {

std::wstring Widen(std::string_view text);
std::string Narrow(std::wstring_view text);

// "Name|pattern|Name|pattern||" as the file-open dialog takes it: each part
// ends with a NUL and the list with a second one. Empty stays empty.
std::wstring OpenFileFilter(std::string_view filter);

} // namespace win

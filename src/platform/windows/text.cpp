#include "platform/windows/text.hpp"

#include "platform/windows/windows_api.hpp"

namespace win {

std::wstring Widen(std::string_view text) {
  if (text.empty())
    return {};
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), length);
  return wide;
}

std::string Narrow(std::wstring_view text) {
  if (text.empty())
    return {};
  const int size = static_cast<int>(text.size());
  const int length =
      WideCharToMultiByte(CP_ACP, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), size, narrow.data(), length, nullptr, nullptr);
  return narrow;
}

std::wstring OpenFileFilter(std::string_view filter) {
  std::wstring wide = Widen(filter);
  for (auto& c : wide)
    if (c == L'|')
      c = L'\0';
  // A filter without its closing "||" still ends with two NULs.
  if (!wide.empty() && wide.back() != L'\0')
    wide.push_back(L'\0');
  if (!wide.empty() && (wide.size() < 2 || wide[wide.size() - 2] != L'\0'))
    wide.push_back(L'\0');
  return wide;
}

} // namespace win

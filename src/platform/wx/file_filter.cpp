#include "platform/wx/file_filter.hpp"

#include <filesystem>

namespace dlg {

namespace {

constexpr std::string_view kAllFiles = "All Files (*)|*";

// Built by appending: GCC 12 at -O3 takes std::string::replace for an
// overlapping copy (-Wrestrict), a false alarm that would fail a strict build.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  std::string out;
  for (auto at = text.find(from); at != std::string_view::npos; at = text.find(from)) {
    out.append(text.substr(0, at)).append(to);
    text.remove_prefix(at + from.size());
  }
  return out.append(text);
}

} // namespace

std::string WxWildcard(std::string_view filter) {
  while (!filter.empty() && filter.back() == '|')
    filter.remove_suffix(1);
  if (filter.empty())
    return std::string(kAllFiles);
  // Only the patterns change, so the names keep showing "(*.*)".
  std::string out;
  std::size_t index = 0;
  for (std::size_t start = 0; start <= filter.size(); ++index) {
    const auto end = std::min(filter.find('|', start), filter.size());
    std::string part(filter.substr(start, end - start));
    if (index % 2 == 1)
      part = ReplaceAll(part, "*.*", "*");
    if (index != 0)
      out += '|';
    out += part;
    start = end + 1;
  }
  return out;
}

std::string WithDefaultExtension(const std::string& path, std::string_view extension,
                                 const std::function<bool(const std::string&)>& exists) {
  if (!extension.empty() && extension.front() == '.')
    extension.remove_prefix(1);
  if (extension.empty() || std::filesystem::path(path).has_extension() || exists(path))
    return path;
  return path + "." + std::string(extension);
}

} // namespace dlg

#include <gtest/gtest.h>

#include <set>

#include "platform/wx/file_filter.hpp"

namespace {

TEST(WxWildcard, ConvertsTheFilterForm) {
  const struct {
    const char* filter;
    const char* wildcard;
  } cases[] = {
      {"Text Files (*.txt)|*.txt|All Files (*.*)|*.*||",
       "Text Files (*.txt)|*.txt|All Files (*.*)|*"},
      {"Binary (*.bin;*.iic)|*.bin;*.iic||", "Binary (*.bin;*.iic)|*.bin;*.iic"},
      {"", "All Files (*)|*"},
      {"||", "All Files (*)|*"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(dlg::WxWildcard(c.filter), c.wildcard) << c.filter;
}

TEST(WithDefaultExtension, AppendsOnlyToATypedNameWithoutOne) {
  const std::set<std::string> files = {"/d/table", "/d/table.txt", "/d/x.dat"};
  const auto exists = [&](const std::string& path) { return files.count(path) != 0; };
  const struct {
    const char* path;
    const char* extension;
    const char* result;
  } cases[] = {
      {"/d/new", "txt", "/d/new.txt"}, {"/d/new", ".txt", "/d/new.txt"},
      {"/d/table", "txt", "/d/table"}, {"/d/x.dat", "txt", "/d/x.dat"},
      {"/d/new", "", "/d/new"},        {"/d.v/new", "txt", "/d.v/new.txt"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(dlg::WithDefaultExtension(c.path, c.extension, exists), c.result) << c.path;
}

} // namespace

// Every loader opens a file whose name is not ASCII, given as the file dialog
// gives it: the wide name read back in the process code page. The names have
// characters whose code in that page is not their Latin-1 code (the euro sign,
// the dashes and quotes), as most are in the UTF-8 page.
#include <gtest/gtest.h>

#include <string>

#include "loaders/loader_fixture.hpp"
#include "platform/windows/text.hpp"

namespace {

struct NameCase {
  int button;
  const wchar_t* name;
  std::string content;
};

std::string Lines(int count, const char* line) {
  std::string text;
  for (int i = 0; i < count; ++i)
    text += line;
  return text;
}

class FileNames : public LoaderTest, public ::testing::WithParamInterface<NameCase> {
protected:
  // The trace of one load of the case's content from a file of that name.
  std::vector<ks::PropertyEvent> LoadAs(const std::wstring& name) {
    dialog.reset();
    Start();
    const auto path = dir / name;
    std::ofstream(path, std::ios::binary) << GetParam().content;
    Load(GetParam().button, win::Narrow(path.wstring()));
    return Calls();
  }
};

TEST_P(FileNames, LoadExactlyAsAnAsciiName) {
  const auto plain = LoadAs(L"plain");
  ASSERT_FALSE(plain.empty());
  const auto named = LoadAs(GetParam().name);
  ASSERT_EQ(named.size(), plain.size());
  for (std::size_t i = 0; i < plain.size(); ++i) {
    EXPECT_EQ(named[i].property, plain[i].property);
    EXPECT_EQ(named[i].data, plain[i].data);
  }
}

INSTANTIATE_TEST_SUITE_P(
    EachLoader, FileNames,
    ::testing::Values(
        NameCase{IDC_LOAD_FIRMWARE, L"f\u00fcrm \u20ac.bin", std::string(33, '\x5a')},
        NameCase{IDC_EP1OUT_FILE_LOAD, L"J\u00fcrgen\u2019s daten.bin", "\x01\x02\x03\x04"},
        NameCase{IDC_AFE_TABLE_FILE_LOAD, L"afe \u00e9t\u00e9 \u2026.bin", std::string(20, '\x11')},
        NameCase{IDC_APOD_FILTER_LOAD, L"t\u00e4ble \u2013 \u0153.txt", Lines(8192, "7\n")},
        NameCase{IDC_LOGARITHM_LOAD, L"log \u2030 \u00df.txt", Lines(100, "65\n")},
        NameCase{IDC_TFC_LOAD, L"tfc \u0160 \u00f8.txt", Lines(512, "3\n")}));

} // namespace

// The host contract of platform/dialog/dialog_host.hpp as one typed suite.
// Each host's test program instantiates it with a runner that opens
// ContractDialog on that host; the script runs while the dialog initialises,
// with its controls built and empty.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/dialog/cdialog.hpp"

namespace contract {

using dlg::ControlKind;

constexpr int kEdit = 10;
constexpr int kCheck = 11;
constexpr int kEditable = 12; // editable and sorted
constexpr int kList = 13;     // a drop-down list, unsorted
constexpr int kProgress = 14;

inline constexpr dlg::ControlTemplate kControls[] = {
    {kEdit, ControlKind::Edit, "", 5, 5, 60, 14, dlg::kBorder | dlg::kAutoHScroll | dlg::kTabStop},
    {dlg::IDOK, ControlKind::PushButton, "OK", 70, 5, 50, 14, dlg::kDefaultButton | dlg::kTabStop},
    {kCheck, ControlKind::CheckBox, "Box", 5, 25, 50, 10, dlg::kAutoCheck | dlg::kTabStop},
    {kEditable, ControlKind::ComboBox, "", 5, 40, 60, 80,
     dlg::kDropDown | dlg::kSorted | dlg::kTabStop},
    {kList, ControlKind::ComboBox, "", 70, 40, 60, 80, dlg::kDropDownList | dlg::kTabStop},
    {kProgress, ControlKind::Progress, "", 5, 60, 100, 10, dlg::kBorder},
};
inline constexpr dlg::DialogTemplate kTemplate{200, "Host Contract", 0, 0,        200,
                                               80,  "MS Shell Dlg",  8, kControls};

using Script = std::function<void(dlg::DialogHost&)>;

class ContractDialog : public CDialog {
public:
  ContractDialog(dlg::DialogHost& host, Script script)
      : CDialog(kTemplate, host), script_(std::move(script)) {}

protected:
  bool OnInitDialog() override {
    script_(Host());
    return true;
  }

private:
  Script script_;
};

// Runner::Run(script) opens ContractDialog with the script on its host.
template <class Runner> class HostContract : public ::testing::Test {
protected:
  static void Run(const Script& script) {
    bool ran = false;
    Runner::Run([&](dlg::DialogHost& host) {
      script(host);
      ran = true;
    });
    EXPECT_TRUE(ran);
  }
};

TYPED_TEST_SUITE_P(HostContract);

TYPED_TEST_P(HostContract, AnIndexOutsideTheListSelectsNothingAndFails) {
  this->Run([](dlg::DialogHost& host) {
    const std::vector<std::string> entries = {"b", "a", "c"};
    const struct {
      int id;
      std::string second; // entry 1
    } combos[] = {{kEditable, "b"}, {kList, "a"}};
    for (const auto& combo : combos) {
      SCOPED_TRACE(combo.id);
      host.AddStrings(combo.id, entries);
      for (const int index : {3, -1, -7}) {
        EXPECT_EQ(host.SetCurSel(combo.id, 1), 1);
        EXPECT_EQ(host.GetWindowText(combo.id), combo.second);
        EXPECT_EQ(host.SetCurSel(combo.id, index), -1);
        EXPECT_EQ(host.GetCurSel(combo.id), -1);
        EXPECT_EQ(host.GetWindowText(combo.id), "");
      }
    }
  });
}

TYPED_TEST_P(HostContract, TypingIntoAnEditableComboSelectsNothing) {
  this->Run([](dlg::DialogHost& host) {
    const std::vector<std::string> entries = {"x", "y"};
    host.AddStrings(kEditable, entries);
    for (const char* typed : {"typed", "y", ""}) {
      ASSERT_EQ(host.SetCurSel(kEditable, 0), 0);
      host.SetWindowText(kEditable, typed);
      EXPECT_EQ(host.GetCurSel(kEditable), -1) << typed;
      EXPECT_EQ(host.GetWindowText(kEditable), typed);
    }
  });
}

TYPED_TEST_P(HostContract, TextOnADropDownListSelectsThatEntryOrNone) {
  this->Run([](dlg::DialogHost& host) {
    const std::vector<std::string> entries = {"x", "y"};
    host.AddStrings(kList, entries);
    const struct {
      const char* text;
      int selection;
      const char* shown;
    } cases[] = {{"y", 1, "y"}, {"x", 0, "x"}, {"Y", -1, ""}, {"z", -1, ""}};
    for (const auto& c : cases) {
      host.SetWindowText(kList, c.text);
      EXPECT_EQ(host.GetCurSel(kList), c.selection) << c.text;
      EXPECT_EQ(host.GetWindowText(kList), c.shown) << c.text;
    }
  });
}

TYPED_TEST_P(HostContract, AnEntryOutsideTheListReadsEmpty) {
  this->Run([](dlg::DialogHost& host) {
    EXPECT_EQ(host.GetLBText(kList, 0), "");
    host.AddString(kList, "x");
    EXPECT_EQ(host.GetLBText(kList, 0), "x");
    EXPECT_EQ(host.GetLBText(kList, 1), "");
    EXPECT_EQ(host.GetLBText(kList, -1), "");
  });
}

TYPED_TEST_P(HostContract, SortedCombosInsertWhereTheEntrySortsOthersAppend) {
  this->Run([](dlg::DialogHost& host) {
    EXPECT_EQ(host.AddString(kEditable, "b"), 0);
    EXPECT_EQ(host.AddString(kEditable, "A"), 0);
    const std::vector<std::string> more = {"d", "c"};
    host.AddStrings(kEditable, more);
    EXPECT_EQ(host.GetCount(kEditable), 4);
    for (const auto& [index, text] : {std::pair{0, "A"}, {1, "b"}, {2, "c"}, {3, "d"}})
      EXPECT_EQ(host.GetLBText(kEditable, index), text);
    EXPECT_EQ(host.AddString(kList, "b"), 0);
    EXPECT_EQ(host.AddString(kList, "a"), 1);
    EXPECT_EQ(host.GetCount(kList), 2);
  });
}

TYPED_TEST_P(HostContract, AProgressPositionStaysInItsRange) {
  this->Run([](dlg::DialogHost& host) {
    EXPECT_EQ(host.GetPos(kProgress), 0);
    EXPECT_EQ(host.SetPos(kProgress, 150), 0);
    EXPECT_EQ(host.GetPos(kProgress), 100);
    host.SetRange(kProgress, 10, 60);
    EXPECT_EQ(host.GetPos(kProgress), 60);
    const struct {
      int pos;
      int before;
      int after;
    } moves[] = {{35, 60, 35}, {0, 35, 10}, {99, 10, 60}, {60, 60, 60}};
    for (const auto& move : moves) {
      EXPECT_EQ(host.SetPos(kProgress, move.pos), move.before) << move.pos;
      EXPECT_EQ(host.GetPos(kProgress), move.after) << move.pos;
    }
  });
}

TYPED_TEST_P(HostContract, ChecksAndTextsKeepWhatWasSet) {
  this->Run([](dlg::DialogHost& host) {
    EXPECT_EQ(host.GetCheck(kCheck), 0);
    host.SetCheck(kCheck, 1);
    EXPECT_EQ(host.GetCheck(kCheck), 1);
    host.SetCheck(kCheck, 0);
    EXPECT_EQ(host.GetCheck(kCheck), 0);
    host.SetWindowText(kEdit, "1f");
    EXPECT_EQ(host.GetWindowText(kEdit), "1f");
    EXPECT_EQ(host.GetWindowText(dlg::IDOK), "OK");
  });
}

REGISTER_TYPED_TEST_SUITE_P(HostContract, AnIndexOutsideTheListSelectsNothingAndFails,
                            TypingIntoAnEditableComboSelectsNothing,
                            TextOnADropDownListSelectsThatEntryOrNone,
                            AnEntryOutsideTheListReadsEmpty,
                            SortedCombosInsertWhereTheEntrySortsOthersAppend,
                            AProgressPositionStaysInItsRange, ChecksAndTextsKeepWhatWasSet);

} // namespace contract

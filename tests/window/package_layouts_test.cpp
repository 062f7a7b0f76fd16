// The package list and its layouts, checked against a model written from the
// layout tables: which option controls show, their captions, the values the
// layouts set, the input-file pattern and the number of sample lines.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "window/layout_steps.h"
#include "window/layouts.h"
#include "window/wired_window.h"

namespace qvl::test {
namespace {

using Names = std::set<std::string>;

// The check boxes the conditional layouts read, as they stand when the
// entry is chosen.
struct Boxes {
  bool cls = false;       // chkClass
  bool names = false;     // chkNames
  bool loc = false;       // chkLoc
  bool job = true;        // chkJobCode (checked by design)
  bool overhead = true;   // chkOverhead (checked by design)
};

enum class Options { Shown, Hidden, PairOnly };  // PairOnly: the pair without its label

struct Expected {
  Options options = Options::Shown;
  Names shown;                                  // besides the company box and its label
  std::map<std::string, std::string> captions;  // captions the layout sets
  std::string pattern = "*.txt";
  int lines = 0;
};

// The option controls: the reset shows the first five and hides the others.
const std::vector<std::string> kOptionControls = {
    "Summarized", "Details",     "lblOptions",  "labCoNum",    "cmboCoNum",       "lblDateFormat",
    "rdoYY",      "rdoYYYY",     "lblSetClearFlag", "rdoClrN", "rdoClrY",         "lblMSG",
    "chk13pd",    "lblFiscMon",  "txtFiscMon",  "chkJobCode",  "lblDelim",        "txtDelim",
    "chkOverhead", "lblOverhead", "txtOverhead", "chkClass",   "chkNames",        "chkLoc",
    "chkSumClass", "lblFacility", "txtFacility", "lblJourRef", "txtJourRef",      "chkCSV",
    "txtMiscDate", "lblMiscDate"};

const Names kDelimiter = {"txtDelim", "lblDelim"};

void Add(Names& to, const Names& more) { to.insert(more.begin(), more.end()); }

// The layout tables, row by row; the conditional rows read `before`.
Expected ExpectedLayout(int index, const Boxes& before) {
  const Options H = Options::Hidden;
  const Options S = Options::Shown;
  switch (index) {
    case 0: return {H, {}, {}, "*.txt", 5};
    case 1: return {S, {}, {}, "*.txt", 6};
    case 2: return {S, {}, {}, "*.txt", 6};
    case 4: return {H, {}, {}, "*.txt", 7};
    case 7: return {H, {}, {}, "*.txt", 5};
    case 8: return {H, {}, {}, "*.txt", 5};
    case 9: return {S, {}, {}, "*.txt", 1};
    case 10: return {H, {"lblMSG"}, {}, "*.txt", 4};
    case 12: return {H, {"lblJourRef", "txtJourRef"}, {{"labCoNum", "Batch#"}}, "*.txt", 4};
    case 13: return {H, {"lblJourRef", "txtJourRef", "lblMSG"}, {{"labCoNum", "Batch#"}}, "*.txt", 4};
    case 15: return {H, {"lblMSG"}, {}, "*.txt", 3};
    case 17: return {H, {}, {}, "*.txt", 2};
    case 18: return {H, {"lblMSG"}, {}, "*.txt", 3};
    case 19: return {H, {}, {}, "*.txt", 5};
    case 20: return {H, {"chk13pd"}, {}, "*.txt", 2};
    case 21: return {H, {"lblMSG"}, {}, "*.txt", 3};
    case 23: return {H, {"lblMSG"}, {}, "*.txt", 3};
    case 24: return {H, {}, {}, "*.txt", 2};
    case 25: return {H, {"lblMSG"}, {}, "*.txt", 1};
    case 26: return {H, {}, {{"labCoNum", "9 digit ABA#"}}, "*.txt", 4};
    case 27: return {H, {"lblMSG"}, {}, "*.csv", 5};
    case 28: return {S, {}, {}, "*.txt", 1};
    case 30:
      return {H, {"lblMSG", "chkNames", "chkLoc"},
              {{"chkNames", "description field?"}, {"chkLoc", "extended date?"}}, "*.csv;*.txt", 2};
    case 32: return {H, {}, {{"labCoNum", "Division"}}, "*.txt", 5};
    case 34: return {S, {}, {}, "*.txt", 4};
    case 35: return {S, {}, {}, "*.txt", 3};
    case 36: return {S, {}, {}, "*.txt", 2};
    case 37: return {H, {"lblFacility", "txtFacility"}, {{"lblFacility", "Facility Number"}}, "*.txt", 3};
    case 38: return {H, {"lblMSG"}, {}, "*.txt", 4};
    case 39: return {H, {}, {}, "*.txt", 3};
    case 40: return {S, {}, {}, "*.txt", 4};
    case 41: return {S, {"lblMSG"}, {}, "*.txt", 3};
    case 42: return {S, {"lblMSG"}, {}, "*.txt", 2};
    case 43: return {S, {}, {}, "*.txt", 2};
    case 44: return {S, {}, {}, "*.txt", 4};
    case 45: return {S, {"chk13pd"}, {{"chk13pd", "Include Header?"}}, "*.txt", 3};
    case 47:
      return {H, {"lblJourRef", "txtJourRef", "chkNames"},
              {{"lblJourRef", "Batch ID"}, {"chkNames", "06batchstat rec?"}}, "*.txt;*.csv", 5};
    case 48:
      return {S, {"lblMSG"},
              {{"Summarized", "CSV"}, {"Details", "ASCII"}, {"lblMSG", "Choose input file format"}},
              "*.txt;*.csv", 4};
    case 49: return {H, {}, {}, "*.txt", 3};
    case 50: {
      Expected e{S, {"chkLoc"}, {}, "*.txt", 1};
      if (before.loc) Add(e.shown, kDelimiter);
      return e;
    }
    case 52: return {H, {"lblMSG"}, {}, "*.txt", 4};
    case 53:
      return {Options::PairOnly, {"lblMSG"}, {{"Summarized", "Accrual"}, {"Details", "Regular"}}, "*.txt", 2};
    case 54: return {H, {"lblMSG"}, {}, "*.txt", 6};
    case 55:
      return {H, {"lblMSG", "lblFacility", "txtFacility", "lblOverhead", "txtOverhead"},
              {{"lblMSG", ""}, {"lblFacility", "4-Digit Futr2 #"}, {"lblOverhead", "Fringe Benefit%"}},
              "*.txt", 4};
    case 56: return {H, {"lblMSG"}, {}, "*.txt", 4};
    case 57: {
      Expected e{H, {"chkJobCode"}, {{"chkJobCode", "Use Entity?"}}, "*.txt", 4};
      if (before.job) Add(e.shown, kDelimiter);
      return e;
    }
    case 58: {
      Expected e{H, {"lblDateFormat", "rdoYY", "rdoYYYY", "chkJobCode", "chkCSV", "chkNames"},
                 {{"labCoNum", "CoNum/Filename"}, {"chkNames", "Parse Desc?"}}, "*.txt", 6};
      if (before.job) Add(e.shown, {"lblDelim", "txtDelim", "chkOverhead"});
      if (before.job && before.overhead) Add(e.shown, {"lblOverhead", "txtOverhead"});
      return e;
    }
    case 60: return {S, {}, {}, "*.txt", 5};
    case 61: return {H, {}, {}, "*.txt", 4};
    case 62: return {H, {"lblMSG"}, {}, "*.txt", 4};
    case 63: {
      Expected e{S, {"lblSetClearFlag", "rdoClrN", "rdoClrY", "chkClass"}, {}, "*.txt", 11};
      if (before.cls) Add(e.shown, kDelimiter);
      return e;
    }
    case 64: {
      Expected e{S, {"chkCSV", "chkClass", "chkNames"}, {}, "*.csv;*.txt", 1};
      if (before.cls || before.names) Add(e.shown, kDelimiter);
      return e;
    }
    case 65:
      return {S, {"chkNames", "lblMSG", "txtDelim", "lblDelim"}, {{"chkNames", "Parse Dept?"}}, "*.txt", 1};
    case 66: {
      Expected e{S, {"lblSetClearFlag", "rdoClrN", "rdoClrY", "chk13pd", "txtJourRef", "lblJourRef"},
                 {{"chkNames", "parse locations?"}, {"chk13pd", "Use Pd End Date?"}, {"lblJourRef", "EIN"}},
                 "*.txt", 11};
      if (!before.names) e.shown.insert("chkClass");
      if (!before.cls) e.shown.insert("chkNames");
      if (before.cls || before.names) Add(e.shown, kDelimiter);
      return e;
    }
    case 67: {
      Expected e{H, {"lblMSG", "lblSetClearFlag", "rdoClrN", "rdoClrY", "chkSumClass", "chk13pd"},
                 {{"chkSumClass", "parse Customer?"}, {"chkLoc", "parse Type?"}, {"chkNames", "parse Location?"},
                  {"chk13pd", "Trim Account"}},
                 "*.txt", 11};
      if (!before.names) e.shown.insert("chkLoc");
      if (!before.loc) e.shown.insert("chkNames");
      if (before.loc || before.names) Add(e.shown, kDelimiter);
      return e;
    }
    case 68:
      return {S, {"chkNames", "chkLoc", "txtDelim", "lblDelim"},
              {{"chkNames", "Parse JOB?"}, {"chkLoc", "Parse CLASS?"}}, "*.csv;*.txt", 9};
    case 69:
      return {S, {"lblMSG", "lblSetClearFlag", "rdoClrY", "rdoClrN"},
              {{"Summarized", "CSV"}, {"Details", "ASCII"}, {"lblMSG", "Choose input file format"},
               {"lblSetClearFlag", "Use Headers?"}},
              "*.txt", 2};
    case 70: return {H, {"lblMSG"}, {}, "*.txt", 5};
    case 72: return {S, {"chkNames"}, {{"chkNames", "Alt Format?"}}, "*.txt", 6};
    case 74: return {H, {}, {}, "*.txt", 2};
    case 78: return {S, {}, {}, "*.txt", 5};
    case 79: return {H, {}, {}, "*.txt", 3};
    case 81: return {S, {"lblFiscMon", "txtFiscMon"}, {}, "*.txt", 1};
    case 82: return {S, {"lblFiscMon", "txtFiscMon"}, {}, "*.txt", 1};
    case 83:
      return {S, {"lblFiscMon", "txtFiscMon", "chkNames", "chkLoc"},
              {{"chkNames", "Use 5 digit field 1"}, {"chkLoc", "Use Dept as Desc."}}, "*.txt", 2};
    case 84: return {S, {"chkCSV"}, {}, "*.txt", 3};
    case 85: return {S, {}, {}, "*.txt", 3};
    case 86: return {S, {"lblFacility", "txtFacility"}, {}, "*.txt", 4};
    case 87: return {H, {}, {}, "*.txt", 3};
    case 90: return {S, {}, {}, "*.txt", 4};
    case 92: return {S, {}, {}, "*.txt", 1};
    case 93: return {H, {"lblMSG"}, {}, "*.csv", 4};
    case 94: return {H, {}, {}, "*.txt", 3};
    case 95: return {H, {"lblMSG"}, {}, "*.txt", 5};
    case 97: return {S, {}, {}, "*.txt", 2};
    case 98: return {S, {"lblMSG"}, {}, "*.txt", 2};
    default: return {};  // the class entries: the reset alone while no writer class exists
  }
}

const std::set<int> kClassEntries = {3,  5,  6,  11, 14, 16, 22, 29, 31, 33, 46, 51,
                                     59, 71, 73, 75, 76, 77, 80, 88, 89, 91, 96};

// What the reset leaves captioned, and the captions the layouts set.
const std::map<std::string, std::string> kResetCaptions = {
    {"Summarized", "Summarized"},
    {"Details", "Details"},
    {"labCoNum", "1. Company Number"},
    {"lblMSG", "Expecting comma delimited input file"},
    {"chkLoc", "parse Location?"}};

// Captions no reset restores, as the window is designed.
const std::map<std::string, std::string> kDesignCaptions = {
    {"chkNames", "parse Names?"},      {"chk13pd", "13 period client?"}, {"chkJobCode", "use JobCode?"},
    {"chkSumClass", "Sum by Class?"},  {"lblJourRef", "Journal Ref"},    {"lblFacility", "Facility Code"},
    {"lblOverhead", "overhead %"},     {"lblSetClearFlag", "Set Clear Flag?"}};

// The values the model follows, as the window is designed.
struct Values {
  Boxes boxes;
  int csv = 0;
  int period13 = 0;
  bool summarized = false;
  bool details = false;
  bool clearYes = false;
  std::string facility = "1234";
};

// The values a layout sets (with what the check boxes' own handlers do).
void ApplyValueChanges(int index, Values& v) {
  switch (index) {
    case 30: v.boxes.names = false; v.boxes.loc = false; break;
    case 35: case 90: v.details = true; v.summarized = false; break;
    case 55: v.facility = "0000"; break;
    case 58: v.csv = 0; break;
    case 64: case 84: v.csv = 1; break;
    case 65: case 72:
      if (!v.boxes.names) v.boxes.cls = false;  // checking "parse Names?" clears "assign Class?"
      v.boxes.names = true;
      break;
    case 66: v.period13 = 1; break;
    case 67: v.boxes.cls = false; break;
    case 69: v.clearYes = true; break;
    default: break;
  }
}

class PackageLayoutsTest : public WiredWindowTest {
 protected:
  forms::Control& Named(const std::string& name) {
    forms::Control* control = window->Find(name);
    EXPECT_NE(control, nullptr) << name;
    return *control;
  }
  forms::CheckBox& Box(const std::string& name) { return *window->Find<forms::CheckBox>(name); }

  Boxes CurrentBoxes() {
    return {Box("chkClass").Value() == 1, Box("chkNames").Value() == 1, Box("chkLoc").Value() == 1,
            Box("chkJobCode").Value() == 1, Box("chkOverhead").Value() == 1};
  }

  // Puts the check boxes into a state; "GP Payroll Connect" is chosen while
  // doing so, since under it "parse Names?" does not clear "assign Class?".
  void SetBoxes(const Boxes& b) {
    Choose(30);
    window->chkClass.SetValue(b.cls);
    window->chkNames.SetValue(b.names);
    window->chkLoc.SetValue(b.loc);
    window->chkJobCode.SetValue(b.job);
    window->chkOverhead.SetValue(b.overhead);
    const Boxes now = CurrentBoxes();
    ASSERT_EQ(std::tie(now.cls, now.names, now.loc, now.job, now.overhead),
              std::tie(b.cls, b.names, b.loc, b.job, b.overhead));
  }

  // Every difference between the window and what `e` says, one per line.
  std::string Differences(const Expected& e) {
    std::ostringstream out;
    Names shown = e.shown;
    shown.insert({"labCoNum", "cmboCoNum"});
    if (e.options == Options::Shown) shown.insert({"lblOptions", "Summarized", "Details"});
    if (e.options == Options::PairOnly) shown.insert({"Summarized", "Details"});
    for (const std::string& name : kOptionControls) {
      const bool expected = shown.count(name) != 0;
      if (Named(name).Visible() != expected) {
        out << name << (expected ? " hidden, expected shown\n" : " shown, expected hidden\n");
      }
    }
    for (const auto& [name, caption] : kResetCaptions) {
      auto set = e.captions.find(name);
      const std::string want = set != e.captions.end() ? set->second : caption;
      if (Named(name).Caption() != want) out << name << " caption \"" << Named(name).Caption() << "\"\n";
    }
    for (const auto& [name, caption] : e.captions) {
      if (Named(name).Caption() != caption) out << name << " caption \"" << Named(name).Caption() << "\"\n";
    }
    if (window->filInput.Pattern() != e.pattern) out << "pattern " << window->filInput.Pattern() << "\n";
    if (window->ShowSample.ListCount() != e.lines) out << window->ShowSample.ListCount() << " sample lines\n";
    if (!window->txtSample.Text().empty()) out << "sample text not emptied\n";
    return out.str();
  }

  std::string ValueDifferences(const Values& v) {
    std::ostringstream out;
    const Boxes b = CurrentBoxes();
    if (b.cls != v.boxes.cls) out << "chkClass " << b.cls << "\n";
    if (b.names != v.boxes.names) out << "chkNames " << b.names << "\n";
    if (b.loc != v.boxes.loc) out << "chkLoc " << b.loc << "\n";
    if (b.job != v.boxes.job) out << "chkJobCode " << b.job << "\n";
    if (b.overhead != v.boxes.overhead) out << "chkOverhead " << b.overhead << "\n";
    if (window->chkCSV.Value() != v.csv) out << "chkCSV " << window->chkCSV.Value() << "\n";
    if (window->chk13pd.Value() != v.period13) out << "chk13pd " << window->chk13pd.Value() << "\n";
    if (window->Summarized.Value() != v.summarized) out << "Summarized " << window->Summarized.Value() << "\n";
    if (window->Details.Value() != v.details) out << "Details " << window->Details.Value() << "\n";
    if (window->rdoClrY.Value() != v.clearYes) out << "rdoClrY " << window->rdoClrY.Value() << "\n";
    if (window->txtFacility.Text() != v.facility) out << "txtFacility " << window->txtFacility.Text() << "\n";
    return out.str();
  }
};

// A walk through the list in which every ordered pair of entries (an entry
// after itself included) is chosen one right after the other.
std::vector<int> EveryPairWalk(int n) {
  std::vector<std::vector<int>> unused(static_cast<std::size_t>(n));
  for (int from = 0; from < n; ++from) {
    for (int to = n - 1; to >= 0; --to) unused[static_cast<std::size_t>(from)].push_back(to);
  }
  std::vector<int> stack = {0};
  std::vector<int> walk;
  while (!stack.empty()) {
    auto& next = unused[static_cast<std::size_t>(stack.back())];
    if (next.empty()) {
      walk.push_back(stack.back());
      stack.pop_back();
    } else {
      stack.push_back(next.back());
      next.pop_back();
    }
  }
  return {walk.rbegin(), walk.rend()};
}

TEST_F(PackageLayoutsTest, ListHoldsTheCatalogEntriesInOrder) {
  const auto& items = window->PickFinPac.Items();
  ASSERT_EQ(items.size(), 99u);
  for (const FinPacEntry& entry : catalog.entries()) {
    EXPECT_EQ(items[static_cast<std::size_t>(entry.index)], entry.text);
  }
  EXPECT_EQ(items[21], "Epicor");
  EXPECT_EQ(items[22], "Enterprise");
  EXPECT_EQ(items[41], "MAS90 v4.3");
  EXPECT_EQ(items[42], "MAS90 v4.2");
  EXPECT_EQ(items[77], "SAP (Island)");
  EXPECT_EQ(window->PickFinPac.ListIndex(), -1);
  EXPECT_EQ(window->PickFinPac.ToolTipText(), "Which Financial Package do you have?");
}

TEST_F(PackageLayoutsTest, EveryEntryHasABuiltInLayoutOrAWriterClass) {
  for (int index = 0; index < 99; ++index) {
    const bool isClass = catalog.At(index)->pattern == CallPattern::WriterObject;
    EXPECT_EQ(isClass, kClassEntries.count(index) == 1) << index;
    EXPECT_EQ(BuiltInLayout(index) == nullptr, isClass) << index;
  }
  EXPECT_EQ(BuiltInLayout(-1), nullptr);
  EXPECT_EQ(BuiltInLayout(99), nullptr);
}

TEST_F(PackageLayoutsTest, EveryEntryAfterEveryOther) {
  const std::vector<int> walk = EveryPairWalk(99);
  ASSERT_EQ(walk.size(), 99u * 99u + 1u);

  Values values;
  std::map<std::string, std::string> lasting = kDesignCaptions;
  const std::vector<std::string> untouched = {"ShowSample", "txtSample", "cmdShowSample", "cmdHideSample",
                                              "Frame1",     "QvInputFile", "pdEndDate",  "filInput"};
  std::map<std::string, bool> untouchedVisible;
  for (const std::string& name : untouched) untouchedVisible[name] = Named(name).Visible();

  int failures = 0;
  for (std::size_t step = 0; step < walk.size() && failures < 10; ++step) {
    const int index = walk[step];
    const Expected e = ExpectedLayout(index, values.boxes);
    Choose(index);
    ApplyValueChanges(index, values);
    for (const auto& [name, caption] : e.captions) {
      if (lasting.count(name)) lasting[name] = caption;
    }

    std::string diff = Differences(e) + ValueDifferences(values);
    for (const auto& [name, caption] : lasting) {
      if (Named(name).Caption() != caption) diff += name + " caption \"" + Named(name).Caption() + "\"\n";
    }
    for (const auto& [name, visible] : untouchedVisible) {
      if (Named(name).Visible() != visible) diff += name + " visibility changed\n";
    }
    if (!diff.empty()) {
      ++failures;
      ADD_FAILURE() << "step " << step << ": " << window->PickFinPac.Text() << " (" << index << ") after "
                    << (step > 0 ? walk[step - 1] : -1) << ":\n"
                    << diff;
    }
  }
}

TEST_F(PackageLayoutsTest, NoEntrySelectedLeavesTheNeutralState) {
  Choose(58);
  ASSERT_GT(window->ShowSample.ListCount(), 0);
  window->txtSample.SetText("a sample line");
  window->PickFinPac.SetListIndex(-1);
  EXPECT_EQ(Differences(Expected{}), "");
  EXPECT_EQ(window->labCoNum.Caption(), "1. Company Number");
}

TEST_F(PackageLayoutsTest, ConditionalLayoutsUnderEveryStateOfTheirCheckBoxes) {
  for (int index : {50, 57, 58, 63, 64, 66, 67}) {
    for (int state = 0; state < 32; ++state) {
      const Boxes before{(state & 1) != 0, (state & 2) != 0, (state & 4) != 0, (state & 8) != 0,
                         (state & 16) != 0};
      SetBoxes(before);
      Choose(index);
      const std::string diff = Differences(ExpectedLayout(index, before));
      EXPECT_EQ(diff, "") << index << " with chkClass " << before.cls << ", chkNames " << before.names
                          << ", chkLoc " << before.loc << ", chkJobCode " << before.job << ", chkOverhead "
                          << before.overhead;
    }
  }
}

TEST_F(PackageLayoutsTest, QuickBooks2006ShowsOneOfTypeAndLocationUnlessNeitherIsChecked) {
  SetBoxes({.cls = false, .names = false, .loc = true});
  Choose(67);
  EXPECT_FALSE(window->chkNames.Visible());
  EXPECT_TRUE(window->chkLoc.Visible());
  EXPECT_TRUE(window->txtDelim.Visible());
  EXPECT_TRUE(window->lblDelim.Visible());

  SetBoxes({.cls = false, .names = false, .loc = false});
  Choose(67);
  EXPECT_TRUE(window->chkNames.Visible());
  EXPECT_TRUE(window->chkLoc.Visible());
  EXPECT_FALSE(window->txtDelim.Visible());

  SetBoxes({.cls = false, .names = true, .loc = true});
  Choose(67);
  EXPECT_FALSE(window->chkNames.Visible());
  EXPECT_FALSE(window->chkLoc.Visible());
  EXPECT_TRUE(window->txtDelim.Visible());
}

TEST_F(PackageLayoutsTest, QuickBooks2006ClearsAssignClassButStillShowsSumByClass) {
  SetBoxes({.cls = true});
  Choose(67);
  EXPECT_EQ(window->chkClass.Value(), 0);
  EXPECT_FALSE(window->chkClass.Visible());
  EXPECT_TRUE(window->chkSumClass.Visible());
  EXPECT_EQ(window->chkSumClass.Caption(), "parse Customer?");
}

TEST_F(PackageLayoutsTest, QuickBooks2004HidesBothBoxesWhenBothAreChecked) {
  SetBoxes({.cls = true, .names = true});
  Choose(66);
  EXPECT_FALSE(window->chkClass.Visible());
  EXPECT_FALSE(window->chkNames.Visible());
  EXPECT_TRUE(window->txtDelim.Visible());
  EXPECT_TRUE(window->lblDelim.Visible());
  EXPECT_EQ(window->chk13pd.Value(), 1);
}

TEST_F(PackageLayoutsTest, SageCheckingAltFormatClearsClassAndHidesTheDelimiter) {
  SetBoxes({.cls = true});
  window->chkNames.SetValue(0);
  Choose(72);
  EXPECT_EQ(window->chkNames.Value(), 1);
  EXPECT_EQ(window->chkClass.Value(), 0);
  EXPECT_FALSE(window->txtDelim.Visible());
  EXPECT_FALSE(window->lblDelim.Visible());
}

TEST_F(PackageLayoutsTest, GpPayrollConnectClearsBothBoxesThroughTheirHandler) {
  Choose(28);
  window->chkNames.SetValue(1);  // clears chkClass, shows the delimiter
  window->chkLoc.SetValue(1);
  Choose(30);
  EXPECT_EQ(window->chkNames.Value(), 0);
  EXPECT_EQ(window->chkLoc.Value(), 0);
  EXPECT_FALSE(window->txtDelim.Visible());
}

TEST_F(PackageLayoutsTest, PeachTreeShowsTheOverheadOnlyWithJobCodeAndOverhead) {
  SetBoxes({.job = false, .overhead = true});
  Choose(58);
  EXPECT_FALSE(window->chkOverhead.Visible());
  EXPECT_FALSE(window->txtOverhead.Visible());
  SetBoxes({.job = true, .overhead = false});
  Choose(58);
  EXPECT_TRUE(window->chkOverhead.Visible());
  EXPECT_FALSE(window->txtOverhead.Visible());
  SetBoxes({.job = true, .overhead = true});
  Choose(58);
  EXPECT_TRUE(window->txtOverhead.Visible());
  EXPECT_TRUE(window->lblOverhead.Visible());
}

TEST_F(PackageLayoutsTest, CaptionsThatNoResetRestoresCarryOver) {
  Choose(47);  // "Meditech"
  Choose(12);  // "Blackbaud"
  EXPECT_TRUE(window->lblJourRef.Visible());
  EXPECT_EQ(window->lblJourRef.Caption(), "Batch ID");

  Choose(30);  // "GP Payroll Connect"
  Choose(64);  // "QuickBooks (csv)"
  EXPECT_EQ(window->chkNames.Caption(), "description field?");
  Choose(30);
  Choose(50);  // "NetSuite"
  EXPECT_EQ(window->chkLoc.Caption(), "parse Location?");

  Choose(55);  // "Oracle Fringe"
  Choose(86);  // "SOS"
  EXPECT_EQ(window->lblFacility.Caption(), "4-Digit Futr2 #");
  EXPECT_EQ(window->txtFacility.Text(), "0000");

  Choose(53);  // "NuVision"
  Choose(1);
  EXPECT_EQ(window->Summarized.Caption(), "Summarized");
  EXPECT_EQ(window->Details.Caption(), "Details");
}

TEST_F(PackageLayoutsTest, InputFilePatternOfEveryEntry) {
  // From the layout tables; the class entries keep the reset's pattern while
  // no writer class lays them out.
  const std::array<const char*, 99> patterns = {
      "*.txt", "*.txt", "*.txt", "*.txt", "*.txt", "*.txt", "*.txt", "*.txt", "*.txt", "*.txt",  // 0-9
      "*.txt", "*.txt", "*.txt", "*.txt", "*.txt", "*.txt", "*.txt", "*.txt", "*.txt", "*.txt",  // 10-19
      "*.txt", "*.txt", "*.txt", "*.txt", "*.txt", "*.txt", "*.txt", "*.csv", "*.txt", "*.txt",  // 20-29
      "*.csv;*.txt", "*.txt", "*.txt", "*.txt", "*.txt", "*.txt", "*.txt", "*.txt", "*.txt",     // 30-38
      "*.txt", "*.txt", "*.txt", "*.txt", "*.txt", "*.txt", "*.txt", "*.txt", "*.txt;*.csv",     // 39-47
      "*.txt;*.csv", "*.txt", "*.txt", "*.txt", "*.txt", "*.txt", "*.txt", "*.txt", "*.txt",     // 48-56
      "*.txt", "*.txt", "*.txt", "*.txt", "*.txt", "*.txt", "*.txt", "*.csv;*.txt", "*.txt",     // 57-65
      "*.txt", "*.txt", "*.csv;*.txt", "*.txt", "*.txt", "*.txt", "*.txt", "*.txt", "*.txt",     // 66-74
      "*.txt", "*.txt", "*.txt", "*.txt", "*.txt", "*.txt", "*.txt", "*.txt", "*.txt", "*.txt",  // 75-84
      "*.txt", "*.txt", "*.txt", "*.txt", "*.txt", "*.txt", "*.txt", "*.txt", "*.csv", "*.txt",  // 85-94
      "*.txt", "*.txt", "*.txt", "*.txt"};                                                       // 95-98
  for (int index = 0; index < 99; ++index) {
    Choose(index);
    EXPECT_EQ(window->filInput.Pattern(), patterns[static_cast<std::size_t>(index)])
        << index << " " << window->PickFinPac.Text();
  }
}

TEST_F(PackageLayoutsTest, SampleLinesReadAsThePackagesShowThem) {
  auto lines = [&](int index) {
    Choose(index);
    return window->ShowSample.Items();
  };
  EXPECT_EQ(lines(9), std::vector<std::string>{""});  // "AI5": one empty line
  EXPECT_EQ(lines(28), std::vector<std::string>{
                           "Use Integration Assistant or Integration Manager provided by GreatPlains."});

  const auto adpGl = lines(7);
  const auto adpKvs = lines(8);
  EXPECT_EQ(std::vector<std::string>(adpGl.begin(), adpGl.end() - 1),
            std::vector<std::string>(adpKvs.begin(), adpKvs.end() - 1));
  EXPECT_EQ(adpGl.back(), "                                             TO BALANCE        000000000000");
  EXPECT_EQ(adpKvs.back(), "                                             TO BALANCE        080103080103");

  const auto qb = lines(63);
  const auto qb2004 = lines(66);
  EXPECT_EQ(lines(67), qb2004);
  EXPECT_EQ(qb[0], qb2004[0]);
  EXPECT_EQ(qb[1], "!SPL    TRNSID  TIMESTAMP   TRNSTYPE    ACCNT   AMOUNT  DATE    CLEAR   NAME    DOCNUM  MEMO CLASS");
  EXPECT_EQ(qb2004[1], "!SPL    SPLID   TIMESTAMP   TRNSTYPE    ACCNT   AMOUNT  DATE    CLEAR   NAME    DOCNUM  MEMO CLASS");
  EXPECT_EQ(qb[3],
            "TRNS    215027  4/29/2002 10:21:47 AM   GENERAL JOURNAL 10099           -6266.41        09/06/01    Y "
            "  2150    Div: Br: Dept:  Payroll from Quorvanta   101");
  EXPECT_EQ(qb.back(), "ENDTRNS");

  EXPECT_EQ(lines(1)[0],
            R"(9,1,10,"8-0101-100400","    -311507.96","SP","USD","RES. SALARIES February, 2002","NG-2002-02",)"
            R"("02/07/02","GL","JE","")");
  EXPECT_EQ(lines(17)[0], R"("10-6170-000,100.00,07-15-02,1,Comp,Div,Dept)");
  EXPECT_EQ(lines(36)[0], R"("1111","04/02/2004","LEGALPOINT","PR048",1,"0480402",-72.26,"N","N","Summary Posting)");
  EXPECT_EQ(lines(42)[0], R"("50110-01","20080418","ZY","75301","Y","8054.13",""","11111-01","PAYROLL")");
  EXPECT_EQ(lines(56)[0], "0009,12,0372,2340                ,,,0000000000.00,-0000002588.40 ");
  EXPECT_EQ(lines(78)[4], "I   50  615200  55.24   500100      Quorvanta Payroll   ");
  EXPECT_EQ(lines(83)[0],
            "''0'',''00100002CN00001'',''000'',''020599'',''General Fund'','''',''000000010100'',''13500'',''6''");

  const auto csa = lines(20);
  EXPECT_EQ(csa[0], std::string(R"("PD13  ","053105","","200        ","Imported from Quorvanta)") +
                        std::string(87, ' ') + R"(","-918.21")");

  const auto peachTree = lines(58);
  EXPECT_EQ(peachTree[0], "09/06/01,Quorvanta Payroll   ,,6,10001          ," + std::string(160, ' ') +
                              ", 1401.42      ,\"1,1,7\"             ,,,");
  for (const std::string& line : peachTree) EXPECT_EQ(line.size(), 248u) << line;

  for (const std::string& line : lines(61)) {  // "Plumas Bank"
    EXPECT_EQ(line.size(), 100u) << line;
    EXPECT_EQ(line.back(), '.');
  }
  EXPECT_EQ(lines(61)[3].substr(0, 62), "TS   0001790000794801.120001470000397400.560000320000397400.56");
  for (const std::string& line : lines(70)) EXPECT_EQ(line.size(), 83u) << line;  // "Reynolds & Reynolds"
  EXPECT_EQ(lines(70)[2].substr(32, 25), "End of File              ");
  for (const std::string& line : lines(87)) EXPECT_EQ(line.size(), 186u) << line;  // "Sparak"
}

// A writer object that lays the window out with the layout steps.
class FakeWriter : public FinPacWriter {
 public:
  static inline int made = 0;
  static inline int laidOut = 0;
  explicit FakeWriter(QvLedgerloom& window) : window_(window) { ++made; }
  void Process(bool&) override {}
  void Balance(const std::string&, const std::string&) override {}
  void FormatUI() override {
    ++laidOut;
    layout::Apply(window_, {layout::HideOptions(), layout::Show({"lblMSG"}),
                            layout::Samples({"first line", "second line"})});
  }

 private:
  QvLedgerloom& window_;
};

TEST_F(PackageLayoutsTest, AClassEntryMakesItsWriterObjectOnceAndLaysOutThroughIt) {
  FakeWriter::made = FakeWriter::laidOut = 0;
  catalog.HooksOf("Acknowledge").makeWriter = [](QvLedgerloom& w) -> std::unique_ptr<FinPacWriter> {
    return std::make_unique<FakeWriter>(w);
  };
  EXPECT_EQ(window->writerObjects.Find(5), nullptr);
  Choose(5);
  FinPacWriter* first = window->writerObjects.Find(5);
  ASSERT_NE(first, nullptr);
  Choose(58);
  Choose(5);
  Choose(5);
  EXPECT_EQ(FakeWriter::made, 1);
  EXPECT_EQ(FakeWriter::laidOut, 3);
  EXPECT_EQ(window->writerObjects.Find(5), first);
  EXPECT_EQ(window->ShowSample.Items(), (std::vector<std::string>{"first line", "second line"}));
  EXPECT_FALSE(window->Summarized.Visible());
  EXPECT_TRUE(window->lblMSG.Visible());
  // Leaving the entry resets what the object showed.
  Choose(1);
  EXPECT_FALSE(window->lblMSG.Visible());
  window->writerObjects.ReleaseAll();
  EXPECT_EQ(window->writerObjects.Find(5), nullptr);
}

TEST_F(PackageLayoutsTest, AClassEntryWithoutItsWriterClassOnlyResets) {
  Choose(58);
  Choose(51);  // "NetSuite Release 2"
  EXPECT_EQ(window->writerObjects.Find(51), nullptr);
  EXPECT_EQ(Differences(Expected{}), "");
}

TEST_F(PackageLayoutsTest, LayoutStepsRefuseControlsTheWindowDoesNotHave) {
  EXPECT_THROW(layout::Apply(*window, {layout::Show({"chkNoSuchBox"})}), std::logic_error);
  EXPECT_THROW(layout::Apply(*window, {layout::Check("lblMSG", 1)}), std::logic_error);
  EXPECT_THROW(layout::Apply(*window, {layout::IfChecked({"txtDelim"}, {})}), std::logic_error);
  // A condition holds when any of its boxes is checked; an option button
  // counts when it is selected.
  window->Details.SetValue(true);
  layout::Apply(*window, {layout::IfChecked({"chkSumClass", "Details"}, {layout::Caption("lblMSG", "yes")},
                                            {layout::Caption("lblMSG", "no")})});
  EXPECT_EQ(window->lblMSG.Caption(), "yes");
}

}  // namespace
}  // namespace qvl::test

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

// The fixed-width packages' sample lines, those the layouts write themselves
// included, keep the width of their records.
TEST_F(PackageLayoutsTest, FixedWidthSampleLinesKeepTheirWidths) {
  auto lines = [&](int index) {
    Choose(index);
    return window->ShowSample.Items();
  };
  for (const std::string& line : lines(58)) EXPECT_EQ(line.size(), 248u) << line;  // "PeachTree"
  for (const std::string& line : lines(61)) {                                       // "Plumas Bank"
    EXPECT_EQ(line.size(), 100u) << line;
    EXPECT_EQ(line.back(), '.');
  }
  for (const std::string& line : lines(70)) EXPECT_EQ(line.size(), 83u) << line;   // "Reynolds & Reynolds"
  for (const std::string& line : lines(87)) EXPECT_EQ(line.size(), 186u) << line;  // "Sparak"
}

// Every sample line the packages' layouts quote, at its place in the list
// (-1: the last line), byte for byte.
TEST_F(PackageLayoutsTest, EveryQuotedSampleLine) {
  struct Quoted {
    int index;
    int position;
    std::string text;
  };
  const auto B = [](std::size_t count) { return std::string(count, ' '); };
  const std::vector<Quoted> quoted = {
      {0, 0, "RECTYPE,BATCHID,BTCHENTRY,SRCELEDGER,SRCETYPE,FSCSYR,FSCSPERD,JRNLDESC,,,"},
      {0, 1, "RECTYPE,BATCHNBR,JOURNALID,TRANSNBR,ACCTID,TRANSAMT,TRANSREF,TRANSDATE,SRCELDGR,SRCETYPE,COMMENT"},
      {0, 2, "1,1,1,GL,JE,2004,1,Monthly History,,,"},
      {0, 3, "2,1,1,20,1024000,-203.48,Monthly History,20040131,GL,JE, "},
      {0, 4, "2,1,1,40,1110000,-38714.4,Monthly History,20040131,GL,JE, "},
      {1, 0, R"(9,1,10,"8-0101-100400","    -311507.96","SP","USD","RES. SALARIES February, 2002","NG-2002-02","02/07/02","GL","JE","")"},
      {2, 0, R"(2,9,1,10,"8-0101-100400","    -311507.96"," 2","SP","USD","1","RES. SALARIES February, 2002","NG-2002-02","02/07/02","GL","JE")"},
      {4, 0, "Journal_Header"},
      {4, 1, "BATCHID BTCHENTRY   SRCELEDGER  SRCETYPE    JRNLDESC    JRNLDR  JRNLCR  DATEENTRY   SRCDESC"},
      {4, 2, "001303  00001   GL  JE  Payroll Feb 3, 06   28105.85    28105.85    2/3/2006    G/L Journal Entry"},
      {4, 3, "Journal_Details"},
      {4, 4, "BATCHNBR    JOURNALID   TRANSNBR    ACCTID  COMPANYID   TRANSAMT"},
      {4, 5, "001303  00001   0000000020  2050        13523.07"},
      {4, 6, "001303  00001   0000000040  2050        -13523.07"},
      {7, 0, "BD00000016870AT1410.1                        PAY INTERFACE OF: 080103080103"},
      {7, 1, "GC00000829226AT200                           PAY INTERFACE OF: 080103080103"},
      {7, 2, "BD00000041345AT5010.1                        PAY INTERFACE OF: 080103080103"},
      {7, 3, "GD00000147965AT522                           PAY INTERFACE OF: 080103080103"},
      {7, 4, "                                             TO BALANCE        000000000000"},
      {8, 4, "                                             TO BALANCE        080103080103"},
      {9, 0, ""},
      {10, 0, "        GL Code    Location    Tax    Journal    Dept Code    Ref #      cacctdesc    DR         CR"},
      {12, 0, "Batch #,Account #,Date,Amount,Journal,Journal Ref,Type"},
      {13, 0, "Account number,Post date,Encumbrance status,Type,Amount,Journal,Journal reference,Transaction distribution Project ID,Transaction distribution Endowments"},
      {15, 0, "PAYRLL          102 030 405 060R                      10/18/07                10/18/07000034668004D"},
      {17, 0, R"("10-6170-000,100.00,07-15-02,1,Comp,Div,Dept)"},
      {18, 0, R"("000","000","1061","000","09","7","5","100","09/17/04","Payroll Entry","M/J/WeeklyPrEntry","22")"},
      {19, 0, "H;4/24/2009;PR;Quorvanta Payroll;"},
      {19, 1, "D;000002103.00;;C;99.62;"},
      {19, 2, "D;000002105.00;;C;82.46;"},
      {19, 3, "D;100005000.00;;D;360.00;"},
      {19, 4, "D;100005000.00;;D;17672.95"},
      {20, 0, R"("PD13  ","053105","","200        ","Imported from Quorvanta                                                                                       ","-918.21")"},
      {21, 0, "12002000000000000   0   -1443921.82     April Payroll   NET PAY EMP CHECKS  71"},
      {23, 0, "3000    429.00  0806    Payroll 08/18/06    177.07"},
      {24, 0, "Account number,Post date,Type,Amount,Journal Reference,Journal,Encumbrance status"},
      {25, 0, "7108101000,00,1000,000000,00,08202004,06172004,745438,PAYROLL   ,To record 6/17/2004 Payroll ,GEN   ,ACCTG   , "},
      {26, 0, "HEADER  01/20/06 987654321"},
      {26, 2, "0000000051010001          50000009000010120060            00   0      Payroll from Quorvanta"},
      {26, 3, "TRAILER 000026000005672576000006000005672576"},
      {27, 0, "328B,20080919,,,,222000,0.00,77724.74,77724.74"},
      {28, 0, "Use Integration Assistant or Integration Manager provided by GreatPlains."},
      {30, 0, R"("9AL01","00011100000","PR","03062","462.08","","DISBURSEMENT TAXES","","","")"},
      {32, 0, "DIV=33||||||"},
      {32, 1, "1|PAYRL|07282004||||"},
      {32, 2, "4|00-00-00-1104|NET PAY EMP CHECKS||||162535.43-"},
      {32, 3, "4|00-00-00-1203|ACCOUNTS RECEIVABLES||||176.21-"},
      {32, 4, R"(4|00-00-00-1251|TRAVEL\PAYROLL ADVANCES||||11045.00-)"},
      {34, 0, "Account Number,Amount,Account Description,Subledger,Subledger Type,Subledger Description,Remark,Purchase Order,Purchase Order Suffix,Unit of Measure,Units,Reference,Phase,Pay Item,Asset Number,Posted Code,Check Date,Service/Tax Date,Company,JE Line Number,Line Extension,G/L Date,R V,B C,DOI Sub"},
      {34, 1, "10001          , 700,,,,,,,,,0,,,,,P,09/06/2001,09/06/2001,00001, 131,,09/06/2001,,,0"},
      {34, 2, "10001          , 600,,,,,,,,,0,,,,,P,09/06/2001,09/06/2001,00001, 132,,09/06/2001,,,0"},
      {34, 3, "10001          , 41.06,,,,,,,,,0,,,,,P,09/06/2001,09/06/2001,00001, 133,,09/06/2001,,,0"},
      {35, 0, "1   0   3002        6/30/2003   54948.72    P/R June payroll"},
      {36, 0, R"("1111","04/02/2004","LEGALPOINT","PR048",1,"0480402",-72.26,"N","N","Summary Posting)"},
      {37, 0, R"("1100105" 6930.11 "C" "Payroll JE               " "RAINT" 200902 04/24/2009 0 "001" "D")"},
      {38, 0, "ACCOUNT NUMBER  AMOUNT"},
      {39, 0, "GJ0108/05/04  08/01/04               2001300         7.48        2001300      2999.82080504"},
      {39, 1, "GJ0108/05/04  08/01/04               2001700       538.51                            080504"},
      {39, 2, "GJ0108/05/04  08/01/04                                           2005020        34.77080504"},
      {40, 0, "333300000                              07/01/02PR0805001PRMONTHLY PAYROLL JULY                    0000000068.49"},
      {41, 0, "001061000,,09/17/04,PR,1,1,PR,PR09,22.00"},
      {42, 0, R"("50110-01","20080418","ZY","75301","Y","8054.13",""","11111-01","PAYROLL")"},
      {43, 0, "8-0101-100400,,2002-02-07,PR,PR0207,00000000000001,PR,,-311507.96,Quorvanta Payroll"},
      {44, 0, "20000000    PE 7-30-07  -75.30"},
      {45, 0, "Seq #,Posting Date,Journal ID,Reference,Description,Account ID,Debit or Credit Amount"},
      {45, 1, R"(/U,5/12/2008,2,"PR-0512","PAYROLL PPE 5/12/2008",00002050.000,-0000819.73)"},
      {45, 2, R"(/U,5/12/2008,2,"PR-0512","PAYROLL PPE 5/12/2008",00002055.000,-0112839.86)"},
      {47, 0, "120081027         GL Transactions"},
      {47, 1, "05BATCHMEDITECH                         20080908GEN1001.1101.0000"},
      {47, 2, "06BATCHMEDITECH                 2008100320080908GEN1001.1101.0000"},
      {47, 3, "10222000       000007625230000007625230"},
      {47, 4, "99"},
      {48, 0, "01-101-40001-101-101-1,Payroll,04/06/2001,CR,-1000.00"},
      {49, 0, "1,9/29/2006,P/R,092906PR,,8200.050,-85.22"},
      {49, -1, "Imported,,,,,,"},
      {50, 0, "Account,Debit,Credit,Memo,Entity,Class,Department,Location"},
      {52, 0, "120106,00-10000,10.0,Cash"},
      {53, 0, "Jrnl Temp Name,Jrnal Batch Name,Line Number,Account,ACCOUNT NO.,DESCRIPTION,POSTING DATE,Document,Document No.,AMOUNT,Depart Dime,Region,Sales Rep.,DIMENSION 4"},
      {54, 0, "2994,20080611,,,,01,6241,3015,05,000000,00000,0000,452.53,.00,.00"},
      {55, 0, "01,6299,1200,01,000000,00000     ,0000,4313.46,.00"},
      {56, 0, "0009,12,0372,2340                ,,,0000000000.00,-0000002588.40 "},
      {57, 0, "QUOR080116  01/16/2008  Payroll-09/28/2007  00100   222080000   0   0   .00 469.21"},
      {58, 0, R"(09/06/01,Quorvanta Payroll   ,,6,10001          ,                                                                                                                                                                , 1401.42      ,"1,1,7"             ,,,)"},
      {60, 0, "ACCT,/T:P01/D:01/07/03,JRNL,DESC"},
      {62, 0, "20090522,200904,,10650000,1,0,-250247.93"},
      {63, 0, "!TRNS   TRNSID  TIMESTAMP   TRNSTYPE    ACCNT   AMOUNT  DATE    CLEAR   NAME    DOCNUM  MEMO CLASS"},
      {63, 1, "!SPL    TRNSID  TIMESTAMP   TRNSTYPE    ACCNT   AMOUNT  DATE    CLEAR   NAME    DOCNUM  MEMO CLASS"},
      {63, 2, "!ENDTRNS"},
      {63, 3, "TRNS    215027  4/29/2002 10:21:47 AM   GENERAL JOURNAL 10099           -6266.41        09/06/01    Y   2150    Div: Br: Dept:  Payroll from Quorvanta   101"},
      {63, -1, "ENDTRNS"},
      {64, 0, "QuickBooks CSV"},
      {65, 0, "QuickBooks CSV Input/Output"},
      {66, 0, "!TRNS   TRNSID  TIMESTAMP   TRNSTYPE    ACCNT   AMOUNT  DATE    CLEAR   NAME    DOCNUM  MEMO CLASS"},
      {66, 1, "!SPL    SPLID   TIMESTAMP   TRNSTYPE    ACCNT   AMOUNT  DATE    CLEAR   NAME    DOCNUM  MEMO CLASS"},
      {66, 2, "!ENDTRNS"},
      {66, 3, "TRNS    SMCL1  6/14/2004 10:21:47 AM   GENERAL JOURNAL 10099           -6266.41        09/06/01    Y       Div: Br: Dept:  Payroll from Quorvanta   101"},
      {66, 4, "SPL    SMCL2  6/14/2004 10:21:47 AM   GENERAL JOURNAL 10205            1985           09/06/01    Y       Div:1 Br:1 Dept:10  Payroll from Quorvanta   101"},
      {66, 5, "SPL    SMCL3  6/14/2004 10:21:47 AM   GENERAL JOURNAL 10213            146.77         09/06/01    Y       Div:1 Br:1 Dept:10  Payroll from Quorvanta   101"},
      {66, 6, "SPL    SMCL4  6/14/2004 10:21:47 AM   GENERAL JOURNAL 12002           -60.62          09/06/01    Y       Div:1 Br:1 Dept:6   Payroll from Quorvanta   101"},
      {66, 7, "SPL    SMCL5  6/14/2004 10:21:47 AM   GENERAL JOURNAL 12002           -78.54          09/06/01    Y       Div:1 Br:1 Dept:2   Payroll from Quorvanta   101"},
      {66, 8, "SPL    SMCL6  6/14/2004 10:21:47 AM   GENERAL JOURNAL 12003           -10             09/06/01    Y       Div:1 Br:1 Dept:5   Payroll from Quorvanta   101"},
      {66, 9, "SPL    SMCL7  6/14/2004 10:21:47 AM   GENERAL JOURNAL 12003           -104            09/06/01    Y       Div:1 Br:1 Dept:6   Payroll from Quorvanta   101"},
      {66, 10, "ENDTRNS"},
      {68, 0, "QuickBooks CSV"},
      {68, 1, "!TRNS,TRNSTYPE,DATE,,CLASS,ACCNT,AMOUNT,NAME"},
      {68, 2, "!SPL,TRNSTYPE,DATE,,CLASS,ACCNT,AMOUNT,NAME"},
      {68, 3, "!ENDTRNS"},
      {68, 4, "TRNS,GENERAL JOURNAL,02/15/12,,,,,,0,"},
      {68, 5, "SPL,GENERAL JOURNAL,02/15/12,,,5000,-42.86,HH666"},
      {68, 6, "SPL,GENERAL JOURNAL,02/15/12,,,5000,-199.3,RB667"},
      {68, 7, "SPL,GENERAL JOURNAL,02/15/12,,,2125,477.14,"},
      {68, 8, "ENDTRNS"},
      {69, 0, "   0000000000000000100000000000000020030502       00000000000000000   2003050210391500000010500000-PAYROLL   Payroll Week 1                                N0 N"},
      {69, 1, "   1000000000000000500000000000000020030502       00000000000000000   2003050210391000000010500000+PAYROLL   Payroll Week 1                                N0 N"},
      {72, 0, "******REGULAR FORMAT********"},
      {72, 1, "1  ,09/06/01,13,Quorvanta ,Co:2150 Div:1 Br:1 Dept:7,10001       , 1401.42"},
      {72, 2, "2  ,09/06/01,13,Quorvanta ,Co:2150 Div:1 Br:1 Dept:6,10099       ,-7355.72"},
      {72, 3, "******ALTERNATE FORMAT********"},
      {72, 4, R"(1,09/06/01,GEN,"PR","WE20010906",10001,1401.42)"},
      {72, 5, R"(1,09/06/01,GEN,"PR","WE20010906",10099,-7355.72)"},
      {74, 0, "N082+,10272006,,,, Debit,80.00,2240.00,"},
      {78, 0, "H   0100    Payroll Expense     7/17/2010   7/17/2010   USD"},
      {78, 1, "I   50  113010  35158.37    /   Quorvanta Payroll"},
      {78, 2, "I   50  215020  22124.79    /   Quorvanta Payroll"},
      {78, 3, "I   40  611000  10989.64    321000      Quorvanta Payroll"},
      {78, 4, "I   50  615200  55.24   500100      Quorvanta Payroll   "},
      {79, 0, "GL Acct Acct Name   Project Task    Sub Acct    Ref Nbr Tran Date   Blank   Debit   Credit  Tran Desc"},
      {81, 0, R"("00000","00100204PR99998","000","072005","PAYROLL ENTRY FROM QUORVANTA","","321000012345","-54321","")"},
      {82, 0, R"("00000","001","002","04","PR","99998","000","072005","PAYROLL ENTRY FROM QUORVANTA","","321","000012345","-54321","")"},
      {83, 0, "''0'',''00100002CN00001'',''000'',''020599'',''General Fund'','''',''000000010100'',''13500'',''6''"},
      {84, 0, "Level0,,PJ,N,200209,B,,,,,00815487.86"},
      {84, 1, "Level1,611000,CR000,PR,09/30/02,Payroll,000003724.73,0,Tax Impound"},
      {84, 2, "Level1,611000,DT102,PR,09/30/02,Payroll,000004722.14,0,ER Medicare"},
      {85, 0, "Level0,,,,,,"},
      {85, 1, R"(Level1,0130,1101,"",02/28/07,N,.00,33.00,Payroll)"},
      {86, 0, "    3 output files"},
      {86, 1, "glbatch.fil"},
      {86, 2, "glpost1.fil"},
      {86, 3, "glpost2.fil"},
      {87, 0, "000 000 21000300000000000082200712062007120600000005                                                                                000000000000000000000100000000000000000500000000000000"},
      {90, 0, "V326,05/23/2007,,,,100,,,-114.34"},
      {92, 0, "<row >batchid=1 period=06 batchdescription=Payroll journaltype=PR batchnumber=1 batchdate=06/13/2003 batchtype= posted= postdate= cashflow= line=5 account=000 000 2105 00 description= transactiondate=04/15/2007 referencenumber= amount=-82.46 pqty= aqty=.00 project=</row>"},
      {93, 0, R"("0100-122-5110-2101"    1772.72)"},
      {94, 0, "GL Acct,Debit,Credit,Ref Code,Document,Description,Company"},
      {95, 0, "6170,20071018,,,,01-65-000-70500,-0.25,7.13,10.75"},
      {95, -1, "6170,20071018,,,,               ,0.00,0.00,3288.51"},
      {97, 0, "J,4,,,8/18/2006,6-Aug,0818PR,Payroll Transfer,993E,209.35,7005000000,,,,,0"},
      {98, 0, "J,1,,,04/13/2007,04/07,0413PR,PR NetPay DNP,ELPASEO,-1041.35,1120,,,,03/25/2007-04/07/2007,0"},
      // Lines built from their fields; a bank's own numbers show as zeros.
      {26, 1, std::string(16, '0') + "          40000055392020120060            00   0      Payroll from Quorvanta"},
      {61, 0, "FH   200605010915P" + std::string(10, '0') + "PAYROLL GL" + B(10) + "PAYROLL GL" + B(41) + "."},
      {61, 1, "HT   7745089" + B(8) + std::string(9, '0') + "GLA7745089" + B(10) + "20060428D00000574.54PLUMAS BANK" + B(19) + "."},
      {61, 2, "HT   7161001" + B(8) + std::string(9, '0') + "GLA7161001" + B(10) + "20060428C00000962.65PLUMAS BANK" + B(19) + "."},
      {61, 3, "TS   0001790000794801.120001470000397400.560000320000397400.56" + B(37) + "."},
      {70, 0, "            236   202012/28/2004" + B(25) + "        15.55" + B(13)},
      {70, 1, "           2042   202012/28/2004" + B(25) + "       -15.55" + B(13)},
      {70, 2, B(32) + "End of File" + B(14) + "         2.00" + B(13)},
      {70, 3, B(32) + "Total debit amount" + B(7) + "        15.55" + B(13)},
      {70, 4, B(32) + "Total credit amount" + B(6) + "       -15.55" + B(13)},
  };
  std::map<int, std::vector<std::string>> shown;
  for (const Quoted& q : quoted) {
    if (!shown.count(q.index)) {
      Choose(q.index);
      shown[q.index] = window->ShowSample.Items();
    }
    const std::vector<std::string>& lines = shown[q.index];
    const int at = q.position < 0 ? static_cast<int>(lines.size()) + q.position : q.position;
    ASSERT_TRUE(at >= 0 && at < static_cast<int>(lines.size())) << q.index << " line " << q.position;
    EXPECT_EQ(lines[static_cast<std::size_t>(at)], q.text) << q.index << " line " << q.position;
  }
  // The lines that repeat others: "FTI" 2 is 1, "MIP" 3 and 4 are 1 and 2.
  ASSERT_EQ(shown[27].size(), 5u);
  ASSERT_EQ(shown[48].size(), 4u);
  EXPECT_EQ(shown[27][1], shown[27][0]);
  EXPECT_EQ(shown[48][2], shown[48][0]);
  EXPECT_EQ(shown[48][3], shown[48][1]);
  // "ADP/KVS" repeats the first four lines of "ADP/GL".
  ASSERT_EQ(shown[8].size(), 5u);
  EXPECT_EQ(std::vector<std::string>(shown[8].begin(), shown[8].end() - 1),
            std::vector<std::string>(shown[7].begin(), shown[7].end() - 1));
  // "QuickBooks": seven "TRNS" lines.
  ASSERT_EQ(shown[63].size(), 11u);
  for (std::size_t line = 3; line < 10; ++line) EXPECT_EQ(shown[63][line].substr(0, 8), "TRNS    ") << line;
  // "QuickBooks 2006" shows the eleven lines of "QuickBooks 2004".
  Choose(67);
  EXPECT_EQ(window->ShowSample.Items(), shown[66]);
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
